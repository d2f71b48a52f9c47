#pragma once

#include <QtGlobal>
#include <memory>
#include <vector>

class CWebPage;

// The links of a page in display order, positions counted from 1. Links are shared by
// reference: the link dialog edits the very object that stands here.
class Collection
{
public:
    // The most links a page can hold: the editor's 16-bit counters must count one past the last.
    static constexpr qint32 MaxCount = 32766;

    qint32 Count() const { return static_cast<qint32>(m_links.size()); }
    void Add(std::shared_ptr<CWebPage> link);
    void AddBefore(std::shared_ptr<CWebPage> link, qint32 position);
    void AddAfter(std::shared_ptr<CWebPage> link, qint32 position);
    // The link at the position, valid until the links change; Error 9 for a position outside
    // 1..Count().
    const std::shared_ptr<CWebPage>& Item(qint32 position) const;
    void Remove(qint32 position);

private:
    void Insert(std::shared_ptr<CWebPage> link, qint32 index);
    void CheckPosition(qint32 position) const;

    std::vector<std::shared_ptr<CWebPage>> m_links;
};
