#include "PickerDriving.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

void Choose(QComboBox* list, const QString& sText)
{
    const int row = list->findText(sText);
    if (row < 0) {
        ADD_FAILURE() << "No entry " << qPrintable(sText) << " in the list.";
        return;
    }
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QModelIndex entry = list->model()->index(row, 0);
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
}

void TypeText(QWidget* control, const QString& sText)
{
    for (const QChar character : sText)
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
}
