#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class CWebPage;
class QUndoCommand;

// One property of the page, by its getter and setter: a text or a colour.
template <class T> struct PageProperty {
    T (CWebPage::*get)() const;
    void (CWebPage::*set)(T);
};
using TextProperty = PageProperty<const QString&>;
using ColorProperty = PageProperty<qint32>;

// What the steps change, and how the window shows a step undone or done again: it refreshes
// itself from the page and chooses the row of the link concerned, none when the row is -1.
struct StepTarget {
    CWebPage* page = nullptr;
    std::function<void(int iRow)> show;
};

// A link's own three fields, as the link dialog edits them.
struct LinkFields {
    QString name;
    QString mainPicture;
    QString mainLink;

    static LinkFields Of(const CWebPage& link);
    bool operator==(const LinkFields&) const = default;
};

// The steps of the editor's Undo and Redo, each named for the Edit menu ("Delete Link"). A step
// changes the page when it is pushed, and keeps only what it changed: the values before and
// after, or the links it took out or put in, so that undone the page is the same objects with the
// same fields. Its first redo is the user's own change, which the window already shows; every
// later undo and redo shows the page through the target. Positions count from 1, as in Links.
namespace PageCommands
{

// Null when the page already holds the value: a commit that changes nothing is no step.
std::unique_ptr<QUndoCommand> ChangeText(const StepTarget& target, const QString& sStep,
                                         TextProperty property, const QString& value);
std::unique_ptr<QUndoCommand> ChangeColor(const StepTarget& target, const QString& sStep,
                                          ColorProperty property, qint32 value);
// The links go in at iPosition and after it, in their order.
std::unique_ptr<QUndoCommand> InsertLinks(const StepTarget& target, const QString& sStep,
                                          QList<std::shared_ptr<CWebPage>> links, qint32 iPosition);
std::unique_ptr<QUndoCommand> RemoveLink(const StepTarget& target, qint32 iPosition);
// The link at iFrom comes to stand at iTo.
std::unique_ptr<QUndoCommand> MoveLink(const StepTarget& target, qint32 iFrom, qint32 iTo);
// The link at iPosition already holds its new fields, written in place by the link dialog.
std::unique_ptr<QUndoCommand> EditLink(const StepTarget& target, qint32 iPosition,
                                       const LinkFields& before);

// Pictures given to links already on the page, as found for them or made to match. The step holds
// the links themselves, not their positions: they may have been moved or deleted meanwhile. A step
// of a batch other than 0 pushed right after one of the same batch becomes part of it, so that the
// pictures of one fetch are undone together. Null with no pictures.
struct LinkPicture {
    std::shared_ptr<CWebPage> link;
    QString picture;
};
std::unique_ptr<QUndoCommand> SetLinkPictures(const StepTarget& target, const QString& sStep,
                                              QList<LinkPicture> pictures, int iBatch = 0);

} // namespace PageCommands
