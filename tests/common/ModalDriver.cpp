#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

constexpr int PollIntervalMs = 20;

QString Describe(const QWidget* window)
{
    return QString::fromLatin1(window->metaObject()->className()) + u" \""_s +
           window->windowTitle() + u'"';
}

void Close(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

} // namespace

ModalDriver::ModalDriver(Action action, int iTimeoutMs)
    : m_action(std::move(action)), m_outer(QApplication::activeModalWidget()),
      m_deadline(iTimeoutMs)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::Poll);
    m_timer.start(PollIntervalMs);
}

void ModalDriver::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_outer || !modal->isVisible())
        return;
    if (!m_ran && modal->isActiveWindow()) {
        m_ran = true;
        m_action(modal);
    } else if (m_deadline.hasExpired()) {
        ADD_FAILURE() << "The modal window " << qPrintable(Describe(modal))
                      << " was still open after the timeout; closing it.";
        Close(modal);
    }
}

QAbstractButton* FindButton(QWidget* window, const QString& sTextOrName)
{
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->objectName() == sTextOrName || button->text().remove(u'&') == sTextOrName)
            return button;
    }
    ADD_FAILURE() << "No button " << qPrintable(sTextOrName) << " in "
                  << qPrintable(Describe(window));
    return nullptr;
}

void ClickButton(QWidget* window, const QString& sTextOrName)
{
    if (QAbstractButton* button = FindButton(window, sTextOrName))
        QTest::mouseClick(button, Qt::LeftButton);
}

void TypeInto(QWidget* window, const QString& sObjectName, const QString& sText)
{
    auto* widget = window->findChild<QWidget*>(sObjectName);
    if (!widget) {
        ADD_FAILURE() << "No control " << qPrintable(sObjectName) << " in "
                      << qPrintable(Describe(window));
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    QTest::keyClicks(widget, sText);
}

void PressKey(QWidget* window, Qt::Key key)
{
    QWidget* target = window->focusWidget();
    QTest::keyClick(target ? target : window, key);
}
