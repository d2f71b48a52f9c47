#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

// Armed before the call that shows the next modal window, runs the action on it once it is active;
// one still open after the timeout fails the test and is closed. Actions may arm drivers too.
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

// Each fails the test when the control is missing; a button goes by objectName or text without "&".
void ClickButton(QWidget* window, const QString& sTextOrName);
void TypeInto(QWidget* window, const QString& sObjectName, const QString& sText);
void PressKey(QWidget* window, Qt::Key key);
void Activate(QWidget* window);
