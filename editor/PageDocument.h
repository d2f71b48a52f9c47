#pragma once

#include <QObject>
#include <QString>
#include <memory>

class CWebPage;
class PageStep;
class QUndoStack;

// The home page being edited and its history for Undo and Redo. Every change of the page is a
// step pushed here; each time a step is done, undone or done again, Changed tells which row of the
// links list to choose, and the window shows the page. The history lasts as long as the page: Save
// does not clear it, and its clean state, where the page is as last read or saved, only tells when
// a copy of unsaved changes is needed.
class PageDocument : public QObject
{
    Q_OBJECT

public:
    explicit PageDocument(QObject* parent = nullptr);
    ~PageDocument() override;

    CWebPage& Page() { return *m_page; }
    const CWebPage& Page() const { return *m_page; }
    // A new home page in place of what a failed read left.
    void StartNewPage();

    // Does the step, and keeps it for Undo unless it changed nothing.
    void Push(std::unique_ptr<PageStep> step);
    // As Push, for a change that the caller shows its own way as it makes it: a field committed
    // from the control that shows it, a picture arriving while the user may be typing. Only its
    // first doing goes unreported; undone and done again, it is reported as every step is.
    void PushShown(std::unique_ptr<PageStep> step);
    void Undo();
    void Redo();
    // The steps that Undo and Redo would take next ("Delete Link"), empty when there is none.
    QString UndoName() const;
    QString RedoName() const;

    // The page is as the settings file holds it, or was changed without a step that brings the
    // file's page back.
    void MarkSaved();
    void MarkUnsaved();
    bool IsSaved() const;

signals:
    // The page has changed; iRow is the links list's row to choose, -1 for none.
    void Changed(int iRow);
    // A step was pushed, undone or done again.
    void HistoryMoved();

private:
    friend class DocumentEntry;
    void Apply(PageStep& step, bool bForward);

    std::unique_ptr<CWebPage> m_page;
    // While PushShown does its step.
    bool m_shownByCaller = false;
    // A child rather than a member: the connections to this document end before the history
    // empties itself as it goes, which is no step of the user's.
    QUndoStack* m_history;
};
