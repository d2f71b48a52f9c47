#pragma once

#include "editor/PictureRowDelegate.h"

// Sizes the links list's rows by its widest row. The list sizes every row as its last one, for
// speed: a short last row would otherwise cut every longer one.
class LinkRowDelegate : public PictureRowDelegate
{
    Q_OBJECT

public:
    using PictureRowDelegate::PictureRowDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
