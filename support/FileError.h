#pragma once

#include "support/Error.h"

#include <QFileDevice>
#include <QString>
#include <optional>

// Turns a file operation that failed into an Error that names the file and says in plain words
// what went wrong, numbered as the program numbers file errors.
namespace FileError
{

enum class Access { Read, Write };

// A file that could not be opened: 76 when its folder is missing, 53 when a file to read is
// missing, 70 when access is refused, 75 for anything else. Looks at what stands on the disk.
Error OpenFailed(const QFileDevice& file, const QString& sPath, Access access);

// When something other than a file stands at sPath (a folder, a pipe, a device, a link that leads
// to no file), an Error (75) that says it cannot be read and what it is; nothing when a file or
// nothing at all stands there. Such a thing is never to be opened: a pipe waits for a writer.
std::optional<Error> NotAFile(const QString& sPath);

// A folder that could not be made: 70 when access is refused, 75 for anything else.
Error FolderNotMade(const QString& sFolder);

// A read that failed on an open file (75).
Error ReadFailed(const QFileDevice& file, const QString& sPath);

// A write that failed before the new file took the old one's place (75): the old file is whole.
Error WriteFailed(const QString& sPath);

} // namespace FileError
