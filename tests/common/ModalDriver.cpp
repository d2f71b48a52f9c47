#include "common/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

std::string Describe(const QWidget* window)
{
    return window->metaObject()->className() +
           (u" \""_s + window->windowTitle() + u'"').toStdString();
}

} // namespace

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
        ADD_FAILURE() << "The modal window " << Describe(modal) << " was still open; closing it.";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

void ClickButton(QWidget* window, const QString& sTextOrName)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->objectName() == sTextOrName || button->text().remove(u'&') == sTextOrName)
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    ADD_FAILURE() << "No button " << sTextOrName.toStdString() << " in " << Describe(window);
}

void TypeInto(QWidget* window, const QString& sObjectName, const QString& sText)
{
    auto* widget = window->findChild<QWidget*>(sObjectName);
    ASSERT_TRUE(widget) << "No control " << sObjectName.toStdString() << " in " << Describe(window);
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    // QTest types plain ASCII keys only; any other character arrives as the text of a key.
    for (const QChar ch : sText) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
    }
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
