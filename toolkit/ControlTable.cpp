#include "toolkit/ControlTable.h"

#include "toolkit/Twips.h"

#include <QLabel>
#include <QProgressBar>

namespace
{

// A label, a line or a progress bar only shows something: it takes no focus and has no place in
// the tab order. The focus policy cannot tell: a web view takes the focus only through a widget
// that it makes for each page it shows.
bool OnlyShows(const QWidget* control)
{
    return qobject_cast<const QLabel*>(control) || qobject_cast<const QProgressBar*>(control) ||
           control->metaObject() == &QFrame::staticMetaObject;
}

} // namespace

namespace ControlTable
{

QList<QWidget*> Setup(std::initializer_list<Row> rows)
{
    QList<QWidget*> tabControls;
    for (const Row& row : rows) {
        if (!row.name.isEmpty())
            row.control->setObjectName(row.name);
        if (!row.twips.isNull())
            Twips::Place(row.control, row.twips.left(), row.twips.top(), row.twips.width(),
                         row.twips.height());
        if (!OnlyShows(row.control))
            tabControls.append(row.control);
    }
    return tabControls;
}

void ChainTabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}

} // namespace ControlTable
