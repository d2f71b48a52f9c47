#pragma once

class QComboBox;
class QWidget;

// What a screen reader is told of controls whose own account would mislead it.
namespace ScreenReader
{

// The drop-down list speaks its accessible name (as LabelFor gives it) as its name and its chosen
// entry as its value; left alone, it gives its entry as its name on this platform, and the label
// names nothing the user meets.
void NameByLabel(QComboBox* comboBox);

// A picture that only decorates the control it lies on: passed over, as a hidden control is.
void Decoration(QWidget* widget);

} // namespace ScreenReader
