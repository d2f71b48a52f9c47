#pragma once

#include <functional>

class QWidget;

// Runs handler each time the input focus leaves control, or a widget inside it (a composite
// control keeps its focus in a child), for another widget of the same window: by mouse,
// keyboard or code (setFocus), also while the window is not the active one, as right after a
// message box has closed. Focus that only visits a menu, a pop-up, a dialog or another
// application and comes back is not lost. Install it once the control sits in its window; it
// lives as long as the control.
void OnLostFocus(QWidget* control, std::function<void()> handler);
