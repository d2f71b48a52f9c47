#include "support/SharedInstall.h"

#include "support/Error.h"
#include "support/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace
{

const QString kFolderName = u"qzbrowser-editor"_s;

Error CannotLayOut(const QString& sUserFolder)
{
    return Error(
        Error::PathFileAccessError,
        QCoreApplication::translate("SharedInstall",
                                    "Your own copy of the home page could not be made in %1. Make "
                                    "sure you may write there and that the disk is not full.")
            .arg(DisplayPath(sUserFolder)));
}

} // namespace

namespace SharedInstall
{

QString StartingFiles(const QString& sProgramFolder)
{
    const QDir program(NativePath(sProgramFolder));
    const QString files = program.filePath(u"../share/"_s + kFolderName);
    if (program.dirName() != u"bin"_s || !QFileInfo(files).isDir())
        return QString();
    return BackslashPath(QDir::cleanPath(files));
}

QString UserFolder()
{
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return BackslashPath(data.filePath(kFolderName));
}

void LayOut(const QString& sStartingFiles, const QString& sUserFolder)
{
    const QString target = NativePath(sUserFolder);
    if (QFileInfo::exists(target))
        return;
    const QDir from(NativePath(sStartingFiles));
    QDir().mkpath(QFileInfo(target).path());
    QTemporaryDir copy(target + u"-XXXXXX"_s);
    bool copied = copy.isValid();
    QDirIterator files(from.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (copied && files.hasNext()) {
        const QFileInfo file = files.nextFileInfo();
        const QString to = copy.filePath(from.relativeFilePath(file.filePath()));
        copied = file.isDir() ? QDir().mkdir(to) : QFile::copy(file.filePath(), to);
    }
    if (!copied || !QDir().rename(copy.path(), target))
        throw CannotLayOut(sUserFolder);
}

} // namespace SharedInstall
