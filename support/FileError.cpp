#include "support/FileError.h"

#include "support/NativePath.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// What stands at a path that is neither missing nor a file, in the user's words.
QString WhatItIs(const QFileInfo& info)
{
    if (info.isDir())
        return QCoreApplication::translate("FileError", "it is a folder, not a file");
    if (!info.exists())
        return QCoreApplication::translate("FileError", "it is a link that leads to no file");
#ifdef Q_OS_UNIX
    struct stat status = {};
    if (stat(QFile::encodeName(info.filePath()).constData(), &status) == 0) {
        if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode))
            return QCoreApplication::translate(
                "FileError", "it is a channel that passes data between programs, not a file");
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return QCoreApplication::translate("FileError", "it is a device, not a file");
    }
#endif
    return QCoreApplication::translate("FileError", "it is not a file");
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
                     QCoreApplication::translate("FileError",
                                                 "The folder of the file \"%1\" does not exist.")
                         .arg(shown));
    if (info.isDir())
        return Error(
            Error::PathFileAccessError,
            QCoreApplication::translate("FileError", "\"%1\" is a folder, not a file.").arg(shown));
    if (reading && !info.exists())
        return Error(
            Error::FileNotFound,
            QCoreApplication::translate("FileError", "The file \"%1\" does not exist.").arg(shown));
    if (AccessRefused(info, access))
        return Error(
            Error::PermissionDenied,
            (reading ? QCoreApplication::translate(
                           "FileError", "You do not have permission to read the file \"%1\".")
                     : QCoreApplication::translate(
                           "FileError", "You do not have permission to write the file \"%1\"."))
                .arg(shown));
    return Error(
        Error::PathFileAccessError,
        QCoreApplication::translate("FileError", "The file \"%1\" could not be opened (%2).")
            .arg(shown, file.errorString()));
}

std::optional<Error> NotAFile(const QString& sPath)
{
    const QFileInfo info(NativePath(sPath));
    if (info.isFile() || !(info.exists() || info.isSymLink()))
        return std::nullopt;
    return Error(Error::PathFileAccessError,
                 QCoreApplication::translate("FileError", "\"%1\" cannot be read: %2.")
                     .arg(DisplayPath(sPath), WhatItIs(info)));
}

Error FolderNotMade(const QString& sFolder)
{
    const QString shown = DisplayPath(sFolder);
    const QFileInfo info(NativePath(sFolder));
    if (info.isSymLink())
        return Error(Error::PathFileAccessError,
                     QCoreApplication::translate(
                         "FileError",
                         "The folder \"%1\" could not be made: a link of that name is in the way.")
                         .arg(shown));
    if (info.exists())
        return Error(Error::PathFileAccessError,
                     QCoreApplication::translate(
                         "FileError",
                         "The folder \"%1\" could not be made: a file of that name is in the way.")
                         .arg(shown));
    if (!QFileInfo(info.absolutePath()).isWritable())
        return Error(Error::PermissionDenied,
                     QCoreApplication::translate(
                         "FileError", "You do not have permission to make the folder \"%1\".")
                         .arg(shown));
    return Error(Error::PathFileAccessError,
                 QCoreApplication::translate("FileError", "The folder \"%1\" could not be made.")
                     .arg(shown));
}

Error ReadFailed(const QFileDevice& file, const QString& sPath)
{
    return Error(Error::PathFileAccessError,
                 QCoreApplication::translate("FileError", "The file \"%1\" could not be read (%2).")
                     .arg(DisplayPath(sPath), file.errorString()));
}

Error WriteFailed(const QString& sPath)
{
    return Error(Error::PathFileAccessError,
                 QCoreApplication::translate(
                     "FileError",
                     "The file \"%1\" could not be written: the disk may be full or no longer "
                     "there. The file was left as it was before.")
                     .arg(DisplayPath(sPath)));
}

} // namespace FileError
