#include "common/MessageBoxSeen.h"

#include <QAbstractButton>
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
