#pragma once

#include <QString>

// What the program knows of itself: where it lives and what it is called.
namespace App
{

// The application folder, the folder that holds the program, as "\"-separated text without a
// trailing backslash (a root keeps its own). Every file of the program lies under it.
QString Path();

// A file or folder below the application folder, given by its relative path ("home\qzhome.dat").
QString File(const QString& sRelative);

// Points the program at another application folder; tests use it to run on a folder of their own.
void SetPath(const QString& sPath);

// "QzBrowser Editor": the caption of every message box that gives none of its own.
QString Title();

} // namespace App
