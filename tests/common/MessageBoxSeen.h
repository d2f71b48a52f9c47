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

// While it lives, answers each message box as it comes with the next of the buttons, and notes what
// it said; a box beyond them, or without the button, is noted too, and closed with its last button.
struct Answers : QTimer {
    explicit Answers(QStringList buttons);
    QStringList said;
    // Run as each box comes, before it is answered: what changes while a question waits.
    std::function<void()> beforeEach;
};
