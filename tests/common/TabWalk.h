#pragma once

#include <QStringList>

class QWidget;

// Presses Tab (or Shift+Tab) iCount times and returns each stop, the start first: the control's
// objectName, for a web view followed by ":" and the text of the page's focused element.
QStringList TabWalk(QWidget* window, int iCount, bool bForward = true);
