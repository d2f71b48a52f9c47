#include "MessageBoxSeen.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

ModalDriver::Action AnswerMessageBox(const QString& sButton, MessageBoxSeen& seen)
{
    return [sButton, &seen](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box) {
            ADD_FAILURE() << "The modal window is no message box.";
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons.clear();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove(u'&');
        seen.buttons.sort();
        ClickButton(box, sButton);
    };
}
