#pragma once

#include "support/Error.h"

#include <QFileDevice>
#include <QString>

// Turns a file operation that failed into an Error that names the file and says in plain words
// what went wrong, numbered as the program numbers file errors.
namespace FileError
{

enum class Access { Read, Write };

// A file that could not be opened: 76 when its folder is missing, 53 when a file to read is
// missing, 70 when access is refused, 75 for anything else. Looks at what stands on the disk.
Error OpenFailed(const QFileDevice& file, const QString& sPath, Access access);

// A read that failed on an open file (75).
Error ReadFailed(const QFileDevice& file, const QString& sPath);

// A write that failed before the new file took the old one's place (75): the old file is whole.
Error WriteFailed(const QString& sPath);

} // namespace FileError
