#pragma once

class QLabel;
class QWidget;

// The label names the control: a screen reader speaks the label's words, without the colon, as
// the control's name, also where the control hands its focus to a child of its own.
void LabelFor(QLabel* label, QWidget* control);
