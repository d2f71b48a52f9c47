#pragma once

#include <QString>

// Opens a folder or document ("\"-separated path) with the application the system uses for it,
// and returns at once; whether that worked is not reported.
void ShellOpen(const QString& sPath);
