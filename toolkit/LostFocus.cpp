#include "toolkit/LostFocus.h"

#include <QEvent>
#include <QMenuBar>
#include <QWidget>
#include <QWindow>

namespace
{

// Follows the window's focus widget through its window handle, which reports every change, also
// those made by code while the window is inactive (focus events are sent only to active ones).
// Pop-ups and dialogs are windows of their own, and a menu leaves the focus widget alone.
class LostFocusWatch : public QObject
{
public:
    LostFocusWatch(QWidget* control, std::function<void()> handler)
        : QObject(control), m_control(control), m_window(control->window()),
          m_handler(std::move(handler)), m_inside(Contains(m_window->focusWidget()))
    {
        m_window->installEventFilter(this);
        ConnectWindowHandle();
    }

protected:
    // The handle is made when the window is first shown, and made anew when its kind changes.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::WinIdChange)
            ConnectWindowHandle();
        return false;
    }

private:
    void ConnectWindowHandle()
    {
        disconnect(m_connection);
        if (QWindow* handle = m_window->windowHandle())
            m_connection = connect(handle, &QWindow::focusObjectChanged, this,
                                   [this](QObject* object) { FocusMoved(object); });
    }

    void FocusMoved(QObject* object)
    {
        auto* widget = qobject_cast<QWidget*>(object);
        // The menu bar takes the focus only while the keyboard walks its menus, and gives it back.
        if (!widget || widget->window() != m_window || qobject_cast<QMenuBar*>(widget))
            return;
        const bool wasInside = m_inside;
        m_inside = Contains(widget);
        if (wasInside && !m_inside)
            m_handler();
    }

    bool Contains(const QWidget* widget) const
    {
        return widget && (widget == m_control || m_control->isAncestorOf(widget));
    }

    QWidget* m_control;
    QWidget* m_window;
    std::function<void()> m_handler;
    bool m_inside;
    QMetaObject::Connection m_connection;
};

} // namespace

void OnLostFocus(QWidget* control, std::function<void()> handler)
{
    new LostFocusWatch(control, std::move(handler));
}
