#include "model/Collection.h"

#include "support/Error.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

void Collection::Add(std::shared_ptr<CWebPage> link)
{
    Insert(std::move(link), Count());
}

void Collection::AddBefore(std::shared_ptr<CWebPage> link, qint32 position)
{
    CheckPosition(position);
    Insert(std::move(link), position - 1);
}

void Collection::AddAfter(std::shared_ptr<CWebPage> link, qint32 position)
{
    CheckPosition(position);
    Insert(std::move(link), position);
}

const std::shared_ptr<CWebPage>& Collection::Item(qint32 position) const
{
    CheckPosition(position);
    return m_links[position - 1];
}

void Collection::Remove(qint32 position)
{
    CheckPosition(position);
    m_links.erase(m_links.begin() + (position - 1));
}

void Collection::Insert(std::shared_ptr<CWebPage> link, qint32 index)
{
    if (!link)
        throw Error(Error::InvalidPropertyValue,
                    QCoreApplication::translate("Collection", "A link to add must not be empty."));
    if (Count() >= MaxCount)
        throw Error(Error::Overflow,
                    QCoreApplication::translate(
                        "Collection", "The page already has %1 links, the most it can hold.")
                        .arg(MaxCount));
    m_links.insert(m_links.begin() + index, std::move(link));
}

void Collection::CheckPosition(qint32 position) const
{
    if (position < 1 || position > Count())
        throw Error(Error::SubscriptOutOfRange,
                    QCoreApplication::translate(
                        "Collection", "There is no link at position %1: the page has %2 links.")
                        .arg(position)
                        .arg(Count()));
}
