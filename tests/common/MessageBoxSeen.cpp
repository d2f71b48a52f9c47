#include "common/MessageBoxSeen.h"

#include <QAbstractButton>
#include <QApplication>
#include <gtest/gtest.h>

ModalDriver::Action AnswerMessageBox(const QString& sButton, MessageBoxSeen& seen)
{
    return [sButton, &seen](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_TRUE(box) << "The modal window is no message box.";
        seen = {box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove(u'&');
        seen.buttons.sort();
        ClickButton(box, sButton);
    };
}

Answers::Answers(QStringList buttons)
{
    connect(this, &QTimer::timeout, [this, buttons]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isActiveWindow() || box->property("seen").toBool())
            return;
        box->setProperty("seen", true);
        said << box->text();
        if (beforeEach)
            beforeEach();
        const QString wanted = buttons.isEmpty() ? QString() : buttons.takeFirst();
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove(u'&') == wanted || button == box->buttons().constLast())
                return button->click();
    });
    start(20);
}
