#pragma once

#include <QString>

// What the program knows of itself: where it lives and what it is called.
namespace App
{

// The folder the program lies in, as "\"-separated text without a trailing backslash (a root
// keeps its own). The program's own files are all below it, so a copy of the folder takes them
// along.
QString Path();

// A file or folder below the application folder, given by its relative path ("home\qzhome.dat").
QString File(const QString& sRelative);

// Points the program at another application folder: the user's own when the program is installed
// for every user (see SharedInstall), and a folder of their own for tests.
void SetPath(const QString& sPath);

// "QzBrowser Editor", also the caption of a message box that is given none.
QString Title();

} // namespace App
