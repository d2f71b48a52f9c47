#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <functional>

// A file made only under a name that is free, so that nothing on the disk is ever overwritten.
namespace NewFile
{

// Read and write for everyone, less what the system's mask for new files takes away.
inline constexpr QFileDevice::Permissions ForAll(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                 QFileDevice::ReadOther | QFileDevice::WriteOther);

// Writes bytes to the first of sFolder's free names that name gives for 1, 2, 3 and on. A name
// taken meanwhile by another program is passed over too. Returns the file's path; an Error when
// the folder takes no file or the write fails, which leaves no file behind. The file is made
// with permissions at most (a copy's: those of its source).
QString Write(const QString& sFolder, const std::function<QString(int iNumber)>& name,
              const QByteArray& bytes, QFileDevice::Permissions permissions = ForAll);

// The names a new file takes in turn: "stem.ext" for 1, then "stem-2.ext", "stem-3.ext" and on.
QString NumberedName(const QString& sStem, const QString& sExtension, int iNumber);

} // namespace NewFile
