#pragma once

#include <QtGlobal>
#include <memory>
#include <vector>

class CWebPage;

// A page's links. Positions count from 1, as the links list's item data does. The links are
// shared, so that the link dialog can edit one in place while it stays in the list.
class Collection
{
public:
    // The settings file counts links in 16 bits, and a 16-bit loop over 32767 links overflows
    // stepping past the last: one less keeps every reader of the file safe.
    static constexpr qint32 MaxCount = 32766;

    qint32 Count() const { return static_cast<qint32>(m_links.size()); }
    void Add(std::shared_ptr<CWebPage> link);
    void AddBefore(std::shared_ptr<CWebPage> link, qint32 position);
    void AddAfter(std::shared_ptr<CWebPage> link, qint32 position);
    // The link at the position, valid until the links change; Error 9 for a position outside
    // 1..Count().
    const std::shared_ptr<CWebPage>& Item(qint32 position) const;
    void Remove(qint32 position);

    // The links in their order, for reading them all.
    auto begin() const { return m_links.cbegin(); }
    auto end() const { return m_links.cend(); }

private:
    void Insert(std::shared_ptr<CWebPage> link, qint32 index);
    void CheckPosition(qint32 position) const;

    std::vector<std::shared_ptr<CWebPage>> m_links;
};
