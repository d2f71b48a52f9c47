#include "common/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

ModalDriver::ModalDriver(Action action, int iTimeoutMs)
    : m_action(std::move(action)), m_outer(QApplication::activeModalWidget()),
      m_deadline(iTimeoutMs)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::Poll);
    m_timer.start(20);
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
        ADD_FAILURE() << "Still open, so closed: " << modal->windowTitle().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

void ClickButton(QWidget* window, const QString& sTextOrName)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->objectName() == sTextOrName || button->text().remove(u'&') == sTextOrName)
            return QTest::mouseClick(button, Qt::LeftButton);
    ADD_FAILURE() << "No button " << sTextOrName.toStdString();
}

void TypeInto(QWidget* window, const QString& sObjectName, const QString& sText)
{
    auto* widget = window->findChild<QWidget*>(sObjectName);
    ASSERT_TRUE(widget) << "No control " << sObjectName.toStdString();
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    QTest::keyClicks(widget, sText);
}

void Activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void PressKey(QWidget* window, Qt::Key key)
{
    QWidget* target = window->focusWidget();
    QTest::keyClick(target ? target : window, key);
}
