#include "editor/PictureRowDelegate.h"

// The list hands in its icon size as the picture's room; a row without a picture draws none in it.
void PictureRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const
{
    const QSize box = option->decorationSize;
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = box;
    option->decorationAlignment = Qt::AlignCenter;
}
