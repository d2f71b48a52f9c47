#pragma once

#include <QString>

// What the program knows of itself: where it lives and what it is called.
namespace App
{

// The folder the program lies in, as "\"-separated text without a trailing backslash (a root
// keeps its own). The program's own files are all below it, so a copy of the folder takes them
// along. An Error that names the folder when a name in its path holds a "\" (as names may on
// Linux): such a path cannot be written with "\" between its names, and read back it would be
// another folder.
QString Path();

// A file or folder below the application folder, given by its relative path ("home\qzhome.dat").
QString File(const QString& sRelative);

// Points the program at another application folder, given as the file system names it: the user's
// own when the program is installed for every user (see SharedInstall), and a folder of their own
// for tests.
void SetPath(const QString& sNativePath);

// "QzBrowser Editor", also the caption of a message box that is given none.
QString Title();

} // namespace App
