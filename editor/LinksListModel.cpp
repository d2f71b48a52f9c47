#include "editor/LinksListModel.h"

#include "editor/HomeFolder.h"
#include "editor/Thumbnails.h"
#include "model/CWebPage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMimeData>
#include <array>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace
{

const QString RowFormat = u"application/x-qzeditor-link-row"_s;

// The room a text takes, as the sum of its characters' advances, or -1 when it holds characters
// beyond Latin-1, which may join or change shape and must be laid out whole.
qreal Width(QAnyStringView sText, const std::array<qreal, 256>& advances)
{
    return sText.visit([&](auto text) {
        using View = decltype(text);
        // In UTF-8 a byte beyond ASCII is part of a longer character.
        const uint last = std::is_same_v<View, QUtf8StringView> ? 0x7f : 0xff;
        qreal width = 0;
        for (const auto c : text) {
            uint code = 0;
            if constexpr (std::is_same_v<View, QStringView>)
                code = c.unicode();
            else
                code = uchar(c);
            if (code > last)
                return qreal(-1);
            width += advances[code];
        }
        return width;
    });
}

} // namespace

LinksListModel::LinksListModel(QObject* parent) : QAbstractListModel(parent)
{
    // Rows that share a picture are many, and only those on screen are drawn: all rows are told,
    // and the list redraws the ones it shows.
    connect(&Thumbnails::Shared(), &Thumbnails::Ready, this, [this] {
        if (m_rows > 0)
            emit dataChanged(index(0), index(m_rows - 1), {Qt::DecorationRole});
    });
}

void LinksListModel::SetLinks(const Collection* links)
{
    beginResetModel();
    m_links = links;
    m_rows = links ? links->Count() : 0;
    endResetModel();
}

// Nearly every caption and address is Latin-1: its characters are measured once each, which keeps
// a page of any size quick; a row with other characters is measured whole.
int LinksListModel::WidestRow(const QFontMetricsF& metrics) const
{
    std::array<qreal, 256> advances;
    for (char16_t code = 0; code < advances.size(); ++code)
        advances[code] = metrics.horizontalAdvance(QChar(code));
    int widest = -1;
    qreal most = -1;
    for (int row = 0; row < m_rows && row < m_links->Count(); ++row) {
        const CWebPage& link = *m_links->Item(row + 1);
        const qreal name = Width(link.Name(), advances), address = Width(link.MainLink(), advances);
        const qreal width = name >= 0 && address >= 0
                                ? name + address + Width(u" ()", advances)
                                : metrics.horizontalAdvance(index(row).data().toString());
        if (width > most) {
            most = width;
            widest = row;
        }
    }
    return widest;
}

int LinksListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant LinksListModel::data(const QModelIndex& index, int role) const
{
    const qint32 position = index.row() + 1;
    if (!m_links || !index.isValid() || position > m_links->Count())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const std::shared_ptr<CWebPage> link = m_links->Item(position);
        return QVariant(u"%1 (%2)"_s.arg(link->Name(), link->MainLink()));
    }
    case Qt::DecorationRole:
        return Picture(*m_links->Item(position));
    case Qt::UserRole:
        return position;
    default:
        return {};
    }
}

// A row is dropped between two others, never onto one.
Qt::ItemFlags LinksListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

// A row is moved; a browser's link is copied or linked, as the browser offers it.
Qt::DropActions LinksListModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction | Qt::LinkAction;
}

Qt::DropActions LinksListModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

QStringList LinksListModel::mimeTypes() const
{
    return {RowFormat, u"text/uri-list"_s, u"text/x-moz-url"_s, u"text/plain"_s};
}

// The dragged row, with the list it comes from: another list, also one of another editor, may
// hold other links at that row.
QMimeData* LinksListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.size() != 1)
        return nullptr;
    auto* data = new QMimeData();
    data->setData(RowFormat, DragSource() + QByteArray::number(indexes.first().row()));
    return data;
}

bool LinksListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                     const QModelIndex& parent) const
{
    if (parent.isValid() || !data)
        return false;
    if (DraggedRow(data) >= 0)
        return action == Qt::MoveAction;
    return data->hasUrls() || data->hasText();
}

bool LinksListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    // Let go below the last row, it goes to the end.
    const int before = row < 0 ? m_rows : row;
    if (DraggedRow(data) >= 0) {
        emit RowDropped(DraggedRow(data), before);
        return true;
    }
    const QList<LinkText> links = LinkTexts::FromDrop(*data);
    if (links.isEmpty())
        return false;
    emit LinksDropped(links, before);
    return true;
}

// The link's picture lies in the home folder; a link without one shows none.
QVariant LinksListModel::Picture(const CWebPage& link)
{
    if (link.MainPicture().isEmpty())
        return {};
    return Thumbnails::Shared().Icon(HomeFolder(link.MainPicture()));
}

int LinksListModel::DraggedRow(const QMimeData* data) const
{
    const QByteArray dragged = data ? data->data(RowFormat) : QByteArray();
    if (!dragged.startsWith(DragSource()))
        return -1;
    bool ok = false;
    const int row = dragged.mid(DragSource().size()).toInt(&ok);
    return ok && row >= 0 && row < m_rows ? row : -1;
}

QByteArray LinksListModel::DragSource() const
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '/' +
           QByteArray::number(quintptr(this)) + '/';
}
