#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

// Drives the next modal window as a user would: armed before the call that shows the window, it
// runs the action on that window once it is up and active, inside the window's own event loop.
// A modal window still open after the timeout fails the test and is closed, so the test goes on.
// An action may arm a driver of its own for a window that it opens in turn.
class ModalDriver : public QObject
{
public:
    using Action = std::function<void(QWidget* modal)>;

    explicit ModalDriver(Action action, int iTimeoutMs = 10000);
    bool Ran() const { return m_ran; }

private:
    void Poll();

    Action m_action;
    QPointer<QWidget> m_outer; // the modal window already up when armed; not ours to drive
    QTimer m_timer;
    QDeadlineTimer m_deadline;
    bool m_ran = false;
};

// Each fails the test when the control is missing. A button is found by its objectName or its
// text without "&" marks; TypeInto selects the control's text and types over it; PressKey presses
// a key in the window's focus widget; Activate makes the window the active one, as a click does.
void ClickButton(QWidget* window, const QString& sTextOrName);
void TypeInto(QWidget* window, const QString& sObjectName, const QString& sText);
void PressKey(QWidget* window, Qt::Key key);
void Activate(QWidget* window);
