#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// A file made only under a name that is free, so that nothing on the disk is ever overwritten.
namespace NewFile
{

// Writes bytes to the first of sFolder's free names that name gives for 1, 2, 3 and on. A name
// taken meanwhile by another program is passed over too. Returns the file's path; an Error when
// the folder takes no file or the write fails, which leaves no file behind.
QString Write(const QString& sFolder, const std::function<QString(int iNumber)>& name,
              const QByteArray& bytes);

} // namespace NewFile
