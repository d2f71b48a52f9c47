#include "editor/LinkRowDelegate.h"

// The list's icon size stands as the picture's room; a row without a picture draws none in it.
void LinkRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
}
