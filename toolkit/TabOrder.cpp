#include "toolkit/TabOrder.h"

#include <QApplication>

namespace
{

// The widget inside a control that takes its focus: a composite control, or a web view, passes
// it on to a child.
QWidget* FocusTaker(QWidget* control)
{
    QWidget* taker = control;
    while (taker->focusProxy())
        taker = taker->focusProxy();
    return taker;
}

bool CanTakeFocus(QWidget* control)
{
    QWidget* taker = FocusTaker(control);
    return taker->isVisibleTo(control->window()) && taker->isEnabled() &&
           (taker->focusPolicy() & Qt::TabFocus);
}

} // namespace

void TabOrder::SetControls(const QList<QWidget*>& controls)
{
    m_controls.clear();
    for (QWidget* control : controls)
        m_controls.append(control);
}

bool TabOrder::Move(bool bNext) const
{
    const qsizetype at = IndexOfFocus();
    if (at < 0)
        return false;
    const qsizetype count = m_controls.size();
    for (qsizetype step = 1; step < count; ++step) {
        QWidget* control = m_controls.at((at + (bNext ? step : count - step)) % count);
        if (control && CanTakeFocus(control)) {
            // The reason tells a web view to start at the first link of its page, or the last.
            FocusTaker(control)->setFocus(bNext ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

qsizetype TabOrder::IndexOfFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    for (qsizetype i = 0; focus && i < m_controls.size(); ++i) {
        const QWidget* control = m_controls.at(i);
        if (control && (control == focus || control->isAncestorOf(focus)))
            return i;
    }
    return -1;
}
