#include "editor/PageCommands.h"

#include "model/CWebPage.h"

#include <QCoreApplication>
#include <QUndoCommand>

using namespace Qt::StringLiterals;

LinkFields LinkFields::Of(const CWebPage& link)
{
    return {link.Name(), link.MainPicture(), link.MainLink()};
}

namespace
{

// Applies its change forward (redo) or back (undo) and answers the row to choose afterwards.
class PageStep : public QUndoCommand
{
public:
    PageStep(const StepTarget& target, const QString& sStep) : m_target(target) { setText(sStep); }

    void undo() final { m_target.show(Apply(false)); }

    void redo() final
    {
        const int row = Apply(true);
        if (std::exchange(m_done, true))
            m_target.show(row);
    }

protected:
    virtual int Apply(bool bForward) = 0;
    CWebPage& Page() const { return *m_target.page; }
    Collection& Links() const { return m_target.page->Links(); }

private:
    const StepTarget& m_target;
    bool m_done = false;
};

template <class T> class FieldStep final : public PageStep
{
public:
    using Value = std::decay_t<T>;

    FieldStep(const StepTarget& target, const QString& sStep, PageProperty<T> property, Value value)
        : PageStep(target, sStep), m_property(property), m_before((*target.page.*property.get)()),
          m_after(std::move(value))
    {
    }

private:
    int Apply(bool bForward) override
    {
        (Page().*m_property.set)(bForward ? m_after : m_before);
        return -1;
    }

    PageProperty<T> m_property;
    Value m_before;
    Value m_after;
};

template <class T>
std::unique_ptr<QUndoCommand> ChangeField(const StepTarget& target, const QString& sStep,
                                          PageProperty<T> property, const std::decay_t<T>& value)
{
    if ((*target.page.*property.get)() == value)
        return nullptr;
    return std::make_unique<FieldStep<T>>(target, sStep, property, value);
}

void Insert(Collection& links, std::shared_ptr<CWebPage> link, qint32 iPosition)
{
    if (iPosition > links.Count())
        links.Add(std::move(link));
    else
        links.AddBefore(std::move(link), iPosition);
}

// Taken out first, so that a page at its most links can still be reordered.
void Move(Collection& links, qint32 iFrom, qint32 iTo)
{
    std::shared_ptr<CWebPage> link = links.Item(iFrom);
    links.Remove(iFrom);
    Insert(links, std::move(link), iTo);
}

class InsertStep final : public PageStep
{
public:
    InsertStep(const StepTarget& target, const QString& sStep,
               QList<std::shared_ptr<CWebPage>> links, qint32 iPosition)
        : PageStep(target, sStep), m_links(std::move(links)), m_position(iPosition)
    {
    }

private:
    int Apply(bool bForward) override
    {
        const auto count = qint32(m_links.size());
        for (qint32 i = 0; i < count; ++i) {
            if (bForward)
                Insert(Links(), m_links.at(i), m_position + i);
            else
                Links().Remove(m_position);
        }
        return bForward ? m_position + count - 2 : -1;
    }

    QList<std::shared_ptr<CWebPage>> m_links;
    qint32 m_position;
};

class RemoveStep final : public PageStep
{
public:
    RemoveStep(const StepTarget& target, qint32 iPosition)
        : PageStep(target, QCoreApplication::translate("PageCommands", "Delete Link")),
          m_link(target.page->Links().Item(iPosition)), m_position(iPosition)
    {
    }

private:
    int Apply(bool bForward) override
    {
        if (!bForward) {
            Insert(Links(), m_link, m_position);
            return m_position - 1;
        }
        Links().Remove(m_position);
        return -1;
    }

    std::shared_ptr<CWebPage> m_link;
    qint32 m_position;
};

class MoveStep final : public PageStep
{
public:
    MoveStep(const StepTarget& target, qint32 iFrom, qint32 iTo)
        : PageStep(target, QCoreApplication::translate("PageCommands", "Move Link")), m_from(iFrom),
          m_to(iTo)
    {
    }

private:
    int Apply(bool bForward) override
    {
        const qint32 from = bForward ? m_from : m_to, to = bForward ? m_to : m_from;
        Move(Links(), from, to);
        return to - 1;
    }

    qint32 m_from;
    qint32 m_to;
};

class EditStep final : public PageStep
{
public:
    EditStep(const StepTarget& target, qint32 iPosition, const LinkFields& before)
        : PageStep(target, QCoreApplication::translate("PageCommands", "Edit Link")),
          m_position(iPosition), m_before(before),
          m_after(LinkFields::Of(*target.page->Links().Item(iPosition)))
    {
    }

private:
    int Apply(bool bForward) override
    {
        const LinkFields& fields = bForward ? m_after : m_before;
        CWebPage& link = *Links().Item(m_position);
        link.SetName(fields.name);
        link.SetMainPicture(fields.mainPicture);
        link.SetMainLink(fields.mainLink);
        return m_position - 1;
    }

    qint32 m_position;
    LinkFields m_before;
    LinkFields m_after;
};

// Shows the row of the last link where it stands now; none when it is no longer on the page.
class PicturesStep final : public PageStep
{
public:
    PicturesStep(const StepTarget& target, const QString& sStep,
                 QList<PageCommands::LinkPicture> pictures, int iBatch)
        : PageStep(target, sStep), m_batch(iBatch)
    {
        for (PageCommands::LinkPicture& picture : pictures)
            Add(std::move(picture));
    }

    int id() const override { return m_batch == 0 ? -1 : PicturesStepId; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const PicturesStep*>(other);
        if (next->m_batch != m_batch)
            return false;
        m_changes.append(next->m_changes);
        return true;
    }

private:
    static constexpr int PicturesStepId = 1;

    struct Change {
        std::shared_ptr<CWebPage> link;
        QString before;
        QString after;
    };

    void Add(PageCommands::LinkPicture&& picture)
    {
        const QString before = picture.link->MainPicture();
        m_changes.append({std::move(picture.link), before, std::move(picture.picture)});
    }

    int Apply(bool bForward) override
    {
        for (const Change& change : std::as_const(m_changes))
            change.link->SetMainPicture(bForward ? change.after : change.before);
        const std::shared_ptr<CWebPage>& last = m_changes.constLast().link;
        for (qint32 position = 1; position <= Links().Count(); ++position)
            if (Links().Item(position) == last)
                return position - 1;
        return -1;
    }

    int m_batch;
    QList<Change> m_changes;
};

} // namespace

namespace PageCommands
{

std::unique_ptr<QUndoCommand> ChangeText(const StepTarget& target, const QString& sStep,
                                         TextProperty property, const QString& value)
{
    return ChangeField(target, sStep, property, value);
}

std::unique_ptr<QUndoCommand> ChangeColor(const StepTarget& target, const QString& sStep,
                                          ColorProperty property, qint32 value)
{
    return ChangeField(target, sStep, property, value);
}

std::unique_ptr<QUndoCommand> InsertLinks(const StepTarget& target, const QString& sStep,
                                          QList<std::shared_ptr<CWebPage>> links, qint32 iPosition)
{
    return std::make_unique<InsertStep>(target, sStep, std::move(links), iPosition);
}

std::unique_ptr<QUndoCommand> RemoveLink(const StepTarget& target, qint32 iPosition)
{
    return std::make_unique<RemoveStep>(target, iPosition);
}

std::unique_ptr<QUndoCommand> MoveLink(const StepTarget& target, qint32 iFrom, qint32 iTo)
{
    return std::make_unique<MoveStep>(target, iFrom, iTo);
}

std::unique_ptr<QUndoCommand> EditLink(const StepTarget& target, qint32 iPosition,
                                       const LinkFields& before)
{
    return std::make_unique<EditStep>(target, iPosition, before);
}

std::unique_ptr<QUndoCommand> SetLinkPictures(const StepTarget& target, const QString& sStep,
                                              QList<LinkPicture> pictures, int iBatch)
{
    if (pictures.isEmpty())
        return nullptr;
    return std::make_unique<PicturesStep>(target, sStep, std::move(pictures), iBatch);
}

} // namespace PageCommands
