#pragma once

#include <QString>

// Hands a folder or document ("\"-separated path) to the desktop's default application without
// waiting; no caller has anything to do when it fails, so nothing is reported.
void ShellOpen(const QString& sPath);
