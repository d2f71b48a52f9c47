#include "editor/PageSteps.h"

#include "model/CWebPage.h"

#include <QCoreApplication>
#include <utility>

using namespace Qt::StringLiterals;

LinkFields LinkFields::Of(const CWebPage& link)
{
    return {link.Name(), link.MainPicture(), link.MainLink()};
}

namespace
{

template <class T> class FieldStep final : public PageStep
{
public:
    using Value = std::decay_t<T>;

    FieldStep(const CWebPage& page, const QString& sStep, PageProperty<T> property, Value value)
        : PageStep(sStep), m_property(property), m_before((page.*property.get)()),
          m_after(std::move(value))
    {
    }

    int Apply(CWebPage& page, bool bForward) override
    {
        (page.*m_property.set)(bForward ? m_after : m_before);
        return -1;
    }

    bool ChangesNothing() const override { return m_before == m_after; }

private:
    PageProperty<T> m_property;
    Value m_before;
    Value m_after;
};

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
    InsertStep(const QString& sStep, QList<std::shared_ptr<CWebPage>> links, qint32 iPosition)
        : PageStep(sStep), m_links(std::move(links)), m_position(iPosition)
    {
    }

    int Apply(CWebPage& page, bool bForward) override
    {
        const auto count = qint32(m_links.size());
        for (qint32 i = 0; i < count; ++i) {
            if (bForward)
                Insert(page.Links(), m_links.at(i), m_position + i);
            else
                page.Links().Remove(m_position);
        }
        return bForward ? m_position + count - 2 : -1;
    }

private:
    QList<std::shared_ptr<CWebPage>> m_links;
    qint32 m_position;
};

class RemoveStep final : public PageStep
{
public:
    RemoveStep(const CWebPage& page, qint32 iPosition)
        : PageStep(QCoreApplication::translate("PageSteps", "Delete Link")),
          m_link(page.Links().Item(iPosition)), m_position(iPosition)
    {
    }

    int Apply(CWebPage& page, bool bForward) override
    {
        if (!bForward) {
            Insert(page.Links(), m_link, m_position);
            return m_position - 1;
        }
        page.Links().Remove(m_position);
        return -1;
    }

private:
    std::shared_ptr<CWebPage> m_link;
    qint32 m_position;
};

class MoveStep final : public PageStep
{
public:
    MoveStep(qint32 iFrom, qint32 iTo)
        : PageStep(QCoreApplication::translate("PageSteps", "Move Link")), m_from(iFrom), m_to(iTo)
    {
    }

    int Apply(CWebPage& page, bool bForward) override
    {
        const qint32 from = bForward ? m_from : m_to, to = bForward ? m_to : m_from;
        Move(page.Links(), from, to);
        return to - 1;
    }

private:
    qint32 m_from;
    qint32 m_to;
};

class EditStep final : public PageStep
{
public:
    EditStep(const CWebPage& page, qint32 iPosition, const LinkFields& before)
        : PageStep(QCoreApplication::translate("PageSteps", "Edit Link")), m_position(iPosition),
          m_before(before), m_after(LinkFields::Of(*page.Links().Item(iPosition)))
    {
    }

    int Apply(CWebPage& page, bool bForward) override
    {
        const LinkFields& fields = bForward ? m_after : m_before;
        CWebPage& link = *page.Links().Item(m_position);
        link.SetName(fields.name);
        link.SetMainPicture(fields.mainPicture);
        link.SetMainLink(fields.mainLink);
        return m_position - 1;
    }

    bool ChangesNothing() const override { return m_before == m_after; }

private:
    qint32 m_position;
    LinkFields m_before;
    LinkFields m_after;
};

// Shows the row of the last link where it stands now; none when it is no longer on the page.
class PicturesStep final : public PageStep
{
public:
    PicturesStep(const QString& sStep, const QList<PageSteps::LinkPicture>& pictures, int iBatch)
        : PageStep(sStep), m_batch(iBatch)
    {
        for (const PageSteps::LinkPicture& picture : pictures)
            m_changes.append({picture.link, picture.link->MainPicture(), picture.picture});
    }

    int Apply(CWebPage& page, bool bForward) override
    {
        for (const Change& change : std::as_const(m_changes))
            change.link->SetMainPicture(bForward ? change.after : change.before);
        const Collection& links = page.Links();
        for (qint32 position = 1; position <= links.Count(); ++position)
            if (links.Item(position) == m_changes.constLast().link)
                return position - 1;
        return -1;
    }

    bool Absorb(const PageStep& next) override
    {
        const auto* pictures = dynamic_cast<const PicturesStep*>(&next);
        if (m_batch == 0 || !pictures || pictures->m_batch != m_batch)
            return false;
        m_changes.append(pictures->m_changes);
        return true;
    }

private:
    struct Change {
        std::shared_ptr<CWebPage> link;
        QString before;
        QString after;
    };

    int m_batch;
    QList<Change> m_changes;
};

class ReplaceStep final : public PageStep
{
public:
    ReplaceStep(const QString& sStep, CWebPage page) : PageStep(sStep), m_other(std::move(page)) {}

    int Apply(CWebPage& page, bool /*bForward*/) override
    {
        std::swap(page, m_other);
        return -1;
    }

private:
    CWebPage m_other;
};

} // namespace

namespace PageSteps
{

std::unique_ptr<PageStep> ChangeText(const CWebPage& page, const QString& sStep,
                                     TextProperty property, const QString& value)
{
    return std::make_unique<FieldStep<const QString&>>(page, sStep, property, value);
}

std::unique_ptr<PageStep> ChangeColor(const CWebPage& page, const QString& sStep,
                                      ColorProperty property, qint32 value)
{
    return std::make_unique<FieldStep<qint32>>(page, sStep, property, value);
}

std::unique_ptr<PageStep> InsertLinks(const QString& sStep, QList<std::shared_ptr<CWebPage>> links,
                                      qint32 iPosition)
{
    return std::make_unique<InsertStep>(sStep, std::move(links), iPosition);
}

std::unique_ptr<PageStep> RemoveLink(const CWebPage& page, qint32 iPosition)
{
    return std::make_unique<RemoveStep>(page, iPosition);
}

std::unique_ptr<PageStep> MoveLink(qint32 iFrom, qint32 iTo)
{
    return std::make_unique<MoveStep>(iFrom, iTo);
}

std::unique_ptr<PageStep> EditLink(const CWebPage& page, qint32 iPosition, const LinkFields& before)
{
    return std::make_unique<EditStep>(page, iPosition, before);
}

std::unique_ptr<PageStep> SetLinkPictures(const QString& sStep, const QList<LinkPicture>& pictures,
                                          int iBatch)
{
    return std::make_unique<PicturesStep>(sStep, pictures, iBatch);
}

std::unique_ptr<PageStep> ReplacePage(const QString& sStep, CWebPage page)
{
    return std::make_unique<ReplaceStep>(sStep, std::move(page));
}

} // namespace PageSteps
