#pragma once

#include <QStringList>

class QWebEngineView;
class QWidget;

// Presses Tab (or Shift+Tab) iCount times and returns each stop, the start first: the control's
// objectName, for a web view followed by ":" and the text of the page's focused element.
QStringList TabWalk(QWidget* window, int iCount, bool bForward = true);
// What the script gives back when run in the view's page, waited for.
QString PageScript(QWebEngineView* view, const QString& sScript);
