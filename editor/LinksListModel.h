#pragma once

#include "support/LinkText.h"

#include <QAbstractListModel>

class CWebPage;
class Collection;
class QFontMetricsF;

// The rows of the editor's links list, read from the page's links only as the list shows them, so
// that a page of any size is listed at once. A row holds its link's position (from 1) as item data
// in Qt::UserRole: the commands go by that, not by the row's text. Its icon is the thumbnail of
// the link's picture, which comes when read. A row can be dragged to another place in the same
// list, and links from a browser or a link file dropped on it; the model reports what and where,
// and changes nothing itself.
class LinksListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit LinksListModel(QObject* parent = nullptr);

    // Lists these links from now on, in place of what is listed; called again after they changed.
    void SetLinks(const Collection* links);

    // The row whose text takes the most room in that font, -1 with no rows: the list gives every
    // row its width, so that none is cut short.
    int WidestRow(const QFontMetricsF& metrics) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // The row iRow was dropped in front of the row iBefore (after the last row: iBefore is the
    // number of rows).
    void RowDropped(int iRow, int iBefore);
    // Links from outside the list (a browser's link, a link file) were dropped in front of the row
    // iBefore.
    void LinksDropped(const QList<LinkText>& links, int iBefore);

private:
    static QVariant Picture(const CWebPage& link);
    // The row that a drag from this list carries, or -1 for anything else.
    int DraggedRow(const QMimeData* data) const;
    QByteArray DragSource() const;

    const Collection* m_links = nullptr;
    // The rows as the list last learnt them: the links may change before the list is told.
    int m_rows = 0;
};
