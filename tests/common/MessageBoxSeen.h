#pragma once

#include "common/ModalDriver.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

// What a message box showed the user before it was answered.
struct MessageBoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // their texts without "&" marks, sorted
};

// A driver action that notes in seen what the message box shows, then clicks sButton:
// ModalDriver driver(AnswerMessageBox(u"Yes"_s, seen));
ModalDriver::Action AnswerMessageBox(const QString& sButton, MessageBoxSeen& seen);
