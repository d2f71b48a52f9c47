#pragma once

#include <QString>

// The program builds every path as text with "\" between its parts, the form in which paths are
// shown to the user and compared. These two functions are the one place where such text meets
// the file system: every procedure that touches the disk passes its path through NativePath.

// "\"-separated path text as the file system takes it ("/"-separated where "/" separates).
QString NativePath(const QString& sPath);

// The reverse: a path as the file system or a dialog reports it, as "\"-separated text.
QString BackslashPath(const QString& sNative);

// A path as the user reads it in a message: written the way this system writes paths.
QString DisplayPath(const QString& sPath);
