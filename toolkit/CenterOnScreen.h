#pragma once

#include <QPoint>

class QWidget;

// Centres the window's frame, title bar included, on its screen when it is first shown. The window
// system frames a window only once it is on screen, so until then the frame of another window of
// the program stands in for its own, and the window is centred again once its own is known. A
// window that must not cover another one centred stands off the centre by offset.
void CenterOnScreen(QWidget* window, QPoint offset = {});
