#pragma once

#include "common/ModalDriver.h"

#include <QMessageBox>

// What a message box showed the user before it was answered.
struct MessageBoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // their texts without "&" marks, sorted
};

// A driver action that notes in seen what the message box shows, then clicks sButton.
ModalDriver::Action AnswerMessageBox(const QString& sButton, MessageBoxSeen& seen);
