#pragma once

#include <QString>

class QComboBox;
class QWidget;

// Chooses the entry sText of a drop-down list as a user does: opens the list and clicks the entry.
void Choose(QComboBox* list, const QString& sText);

// Types sText into control, which has the focus, one key at a time; any character, not only
// those of a plain keyboard.
void TypeText(QWidget* control, const QString& sText);
