#include "toolkit/ListBox.h"

#include <QEvent>

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    if (!index.isValid() && event && event->isPointerEvent())
        return QItemSelectionModel::NoUpdate;
    return QListView::selectionCommand(index, event);
}
