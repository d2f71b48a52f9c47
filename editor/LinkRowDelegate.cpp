#include "editor/LinkRowDelegate.h"

#include "editor/LinksListModel.h"

QSize LinkRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* rows = qobject_cast<const LinksListModel*>(index.model());
    const int widest = rows ? rows->WidestRow(QFontMetricsF(option.font)) : -1;
    return PictureRowDelegate::sizeHint(option, widest < 0 ? index : index.siblingAtRow(widest));
}
