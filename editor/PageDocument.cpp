#include "editor/PageDocument.h"

#include "editor/PageStep.h"
#include "model/CWebPage.h"

#include <QScopedValueRollback>
#include <QUndoStack>

namespace
{

std::unique_ptr<CWebPage> NewHomePage()
{
    auto page = std::make_unique<CWebPage>();
    page->SetMode(CWebPage::HomePage);
    return page;
}

} // namespace

// A step in the history, done and undone on the document's page.
class DocumentEntry final : public QUndoCommand
{
public:
    DocumentEntry(PageDocument& document, std::unique_ptr<PageStep> step)
        : QUndoCommand(step->Name()), m_document(document), m_step(std::move(step))
    {
    }

    void redo() override { m_document.Apply(*m_step, true); }
    void undo() override { m_document.Apply(*m_step, false); }
    // Every entry may take in the next: its step decides.
    int id() const override { return 0; }
    bool mergeWith(const QUndoCommand* next) override
    {
        return m_step->Absorb(*static_cast<const DocumentEntry*>(next)->m_step);
    }

private:
    PageDocument& m_document;
    std::unique_ptr<PageStep> m_step;
};

PageDocument::PageDocument(QObject* parent)
    : QObject(parent), m_page(NewHomePage()), m_history(new QUndoStack(this))
{
    connect(m_history, &QUndoStack::indexChanged, this, &PageDocument::HistoryMoved);
}

PageDocument::~PageDocument() = default;

void PageDocument::StartNewPage()
{
    m_page = NewHomePage();
}

void PageDocument::Push(std::unique_ptr<PageStep> step)
{
    if (step->ChangesNothing())
        Apply(*step, true);
    else
        m_history->push(new DocumentEntry(*this, std::move(step)));
}

void PageDocument::PushShown(std::unique_ptr<PageStep> step)
{
    const QScopedValueRollback shown(m_shownByCaller, true);
    Push(std::move(step));
}

void PageDocument::Undo()
{
    m_history->undo();
}

void PageDocument::Redo()
{
    m_history->redo();
}

QString PageDocument::UndoName() const
{
    return m_history->undoText();
}

QString PageDocument::RedoName() const
{
    return m_history->redoText();
}

void PageDocument::MarkSaved()
{
    m_history->setClean();
}

void PageDocument::MarkUnsaved()
{
    m_history->resetClean();
}

bool PageDocument::IsSaved() const
{
    return m_history->isClean();
}

void PageDocument::Apply(PageStep& step, bool bForward)
{
    const int row = step.Apply(*m_page, bForward);
    if (!m_shownByCaller)
        emit Changed(row);
}
