#include "support/FileError.h"

#include "support/NativePath.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace
{

bool AccessRefused(const QFileInfo& info, FileError::Access access)
{
    if (access == FileError::Access::Read)
        return !info.isReadable();
    const QFileInfo folder(info.absolutePath());
    return (info.exists() && !info.isWritable()) || !folder.isWritable();
}

} // namespace

namespace FileError
{

Error OpenFailed(const QFileDevice& file, const QString& sPath, Access access)
{
    const QFileInfo info(NativePath(sPath));
    const QString shown = DisplayPath(sPath);
    const bool reading = access == Access::Read;
    if (!QFileInfo(info.absolutePath()).isDir())
        return Error(Error::PathNotFound,
                     u"The folder of the file \"%1\" does not exist."_s.arg(shown));
    if (info.isDir())
        return Error(Error::PathFileAccessError, u"\"%1\" is a folder, not a file."_s.arg(shown));
    if (reading && !info.exists())
        return Error(Error::FileNotFound, u"The file \"%1\" does not exist."_s.arg(shown));
    if (AccessRefused(info, access))
        return Error(Error::PermissionDenied,
                     u"You do not have permission to %1 the file \"%2\"."_s.arg(
                         reading ? u"read"_s : u"write"_s, shown));
    return Error(Error::PathFileAccessError,
                 u"The file \"%1\" could not be opened (%2)."_s.arg(shown, file.errorString()));
}

Error ReadFailed(const QFileDevice& file, const QString& sPath)
{
    return Error(Error::PathFileAccessError, u"The file \"%1\" could not be read (%2)."_s.arg(
                                                 DisplayPath(sPath), file.errorString()));
}

Error WriteFailed(const QString& sPath)
{
    return Error(Error::PathFileAccessError,
                 u"The file \"%1\" could not be written: the disk may be full or no longer "
                 u"there. The file was left as it was before."_s.arg(DisplayPath(sPath)));
}

} // namespace FileError
