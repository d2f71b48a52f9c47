#pragma once

#include <QListView>

// A list of rows that keeps its chosen row when a click hits no row (below the last one), as a
// list box does: the commands that act on the chosen row still find it.
class ListBox : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};
