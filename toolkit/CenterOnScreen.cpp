#include "toolkit/CenterOnScreen.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace
{

QMargins FrameOf(const QWidget* window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

// The window's own frame once it has one, else that of another window already on screen.
QMargins Frame(const QWidget* window)
{
    if (const QMargins own = FrameOf(window); !own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && !FrameOf(other).isNull())
            return FrameOf(other);
    }
    return {};
}

void Center(QWidget* window)
{
    const QMargins frame = Frame(window);
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(window->screen()->availableGeometry().center());
    // A window's position is that of its frame.
    window->move(outer.topLeft());
}

// Centres the window when it is first shown, and again once its own frame is known; later shows,
// as after the window was minimised, leave it where it is.
class Centering : public QObject
{
public:
    explicit Centering(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    // The window system frames the window before it first shows it on screen (Expose).
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_window->removeEventFilter(this);
            Center(m_window);
            if (!FrameOf(m_window).isNull())
                deleteLater();
            else if (QWindow* handle = m_window->windowHandle())
                handle->installEventFilter(this);
        } else if (event->type() == QEvent::Expose && !FrameOf(m_window).isNull()) {
            watched->removeEventFilter(this);
            Center(m_window);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void CenterOnScreen(QWidget* window)
{
    new Centering(window);
}
