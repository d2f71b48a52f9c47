#include "support/WholeFile.h"

#include "support/FileError.h"
#include "support/NativePath.h"

#include <QFile>

namespace WholeFile
{

QByteArray Read(const QString& sFile)
{
    if (const std::optional<Error> notAFile = FileError::NotAFile(sFile))
        throw *notAFile;
    QFile file(NativePath(sFile));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::OpenFailed(file, sFile, FileError::Access::Read);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError::ReadFailed(file, sFile);
    return bytes;
}

} // namespace WholeFile
