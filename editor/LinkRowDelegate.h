#pragma once

#include <QStyledItemDelegate>

// Draws the links list's rows with room for a picture in every row, so that all rows keep one
// height and their captions line up: the list sizes every row as its last one, and a row whose
// link has no picture would otherwise be a line of text alone.
class LinkRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
