#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <initializer_list>

class QWidget;

// A window's controls as one table, in the order that Tab walks them:
//
//     tabControls = ControlTable::Setup({
//         {lblTitle, u"lblTitle"_s, {180, 720, 780, 285}},
//         {txtTitle, u"txtTitle"_s, {1035, 720, 4800, 330}},
//     });
//
// A window laid out by the toolkit gives no rectangles; an element of a control array gives no
// name, keeping the one its array gave it.
namespace ControlTable
{

struct Row {
    // rect: left, top, width and height in twips in the parent's coordinates; none when a
    // layout places the control.
    Row(QWidget* widget, const QString& sName, const QRect& rect = {})
        : control(widget), name(sName), twips(rect)
    {
    }

    QWidget* control;
    QString name;
    QRect twips;
};

// Names and places the controls; returns those that take the focus, in the table's order.
QList<QWidget*> Setup(std::initializer_list<Row> rows);

// Makes the toolkit's own Tab walk the controls in this order, for a window that leaves Tab to it.
void ChainTabOrder(const QList<QWidget*>& controls);

} // namespace ControlTable
