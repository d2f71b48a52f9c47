#include "toolkit/CenterOnScreen.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace
{

// The window's frame as the window system reports it; none while it is still being framed.
QMargins FrameOf(const QWidget* window)
{
    const QMargins frame =
        window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const bool framed =
        frame.left() >= 0 && frame.top() > 0 && frame.right() >= 0 && frame.bottom() >= 0;
    return framed ? frame : QMargins();
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

void Center(QWidget* window, QPoint offset)
{
    const QMargins frame = Frame(window);
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(window->screen()->availableGeometry().center() + offset);
    // Placed by its inner area, which means the same before and after the window is framed.
    window->setGeometry(outer.marginsRemoved(frame));
}

// Centres the window when it is first shown, and again once its own frame is known; later shows,
// as after the window was minimised, leave it where it is.
class Centering : public QObject
{
public:
    Centering(QWidget* window, QPoint offset) : QObject(window), m_window(window), m_offset(offset)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_shown && watched == m_window && event->type() == QEvent::Show) {
            m_shown = true;
            Center(m_window, m_offset);
            if (QWindow* handle = m_window->windowHandle())
                handle->installEventFilter(this);
        }
        // The window system frames the window once it is shown; Qt learns of the frame along with
        // one event or another, in no fixed order, so the first event after it will do.
        if (m_shown && !m_framed && !FrameOf(m_window).isNull()) {
            m_framed = true;
            Center(m_window, m_offset);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
    QPoint m_offset;
    bool m_shown = false;
    bool m_framed = false;
};

} // namespace

void CenterOnScreen(QWidget* window, QPoint offset)
{
    new Centering(window, offset);
}
