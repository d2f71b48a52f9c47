#pragma once

#include <QStyledItemDelegate>

// Draws a list's rows with a box of the list's icon size for a picture in every row, the picture
// centred in it: all rows have one height, whatever the shape of their pictures and whether they
// have one, and their texts line up.
class PictureRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
