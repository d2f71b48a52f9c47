#pragma once

#include <QStringList>

class QWidget;

// Presses Tab (or Shift+Tab) iCount times in the window, as a user does, and returns every stop of
// the focus, the first being where it starts: the objectName of the window's control that holds
// it, for a web view followed by ":" and the text of the page's element that has the focus.
QStringList TabWalk(QWidget* window, int iCount, bool bForward = true);
