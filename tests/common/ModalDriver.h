#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QAbstractButton;
class QWidget;

// Drives the next modal window as a user would. Arm it before the call that shows the window;
// when that window is up and active, the action runs on it, inside the window's own event loop:
//
//     ModalDriver driver([](QWidget* box) { ClickButton(box, u"OK"_s); });
//     EXPECT_EQ(MsgBox(nullptr, u"Hello"_s), MsgBoxResult::Ok);
//     EXPECT_TRUE(driver.Ran());
//
// A modal window still open when the timeout has passed (the action did not close it, or it came
// too late) fails the test and is closed, so the test goes on instead of hanging. An action may
// arm a driver of its own for a window that it opens in turn.
class ModalDriver : public QObject
{
public:
    using Action = std::function<void(QWidget* modal)>;

    explicit ModalDriver(Action action, int iTimeoutMs = 10000);

    // Whether a modal window appeared and the action ran on it.
    bool Ran() const { return m_ran; }

private:
    void Poll();

    Action m_action;
    QPointer<QWidget> m_outer; // the modal window already up when armed; not ours to drive
    QTimer m_timer;
    QDeadlineTimer m_deadline;
    bool m_ran = false;
};

// Actions on a window: each fails the test when the control is missing.
// The button whose objectName or text (without its "&" marks) is sTextOrName.
QAbstractButton* FindButton(QWidget* window, const QString& sTextOrName);
void ClickButton(QWidget* window, const QString& sTextOrName);
// Gives the focus to the child named sObjectName, selects its text and types sText over it.
void TypeInto(QWidget* window, const QString& sObjectName, const QString& sText);
// Presses a key in the widget that has the window's focus.
void PressKey(QWidget* window, Qt::Key key);
