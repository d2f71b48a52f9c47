#pragma once

#include <QString>

class QLineEdit;

// Puts text into a text box so that it reads from its start, as a parent reads it: a text longer
// than the box shows its beginning, not its end.
void SetBoxText(QLineEdit* box, const QString& sText);
