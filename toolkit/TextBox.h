#pragma once

#include <QAnyStringView>
#include <QString>

class QLineEdit;
class QWidget;

// A single-line text box that takes text of any length, as the page stores it: the toolkit's own
// limit would cut a longer title without a word.
QLineEdit* NewTextBox(QWidget* parent);

// Puts text into a text box so that it reads from its start, as a parent reads it: a text longer
// than the box shows its beginning, not its end.
void SetBoxText(QLineEdit* box, QAnyStringView sText);
