#include "support/DamagedFile.h"

#include "support/Error.h"
#include "support/FileNameParts.h"
#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QCoreApplication>
#include <QFile>

using namespace Qt::StringLiterals;

namespace
{

// The path of the copy; an Error when none could be made.
QString KeepCopy(const QString& sFile)
{
    const FileNameParts parts = FileNameParts::Of(sFile);
    QString copy = parts.folder + parts.stem + u"-damaged"_s + parts.extension;
    for (int number = 2; basProcs::PathExists(copy); ++number)
        copy = parts.folder + parts.stem + u"-damaged-%1"_s.arg(number) + parts.extension;

    QFile file(NativePath(sFile));
    if (!file.copy(NativePath(copy)))
        throw Error(
            Error::PathFileAccessError,
            QCoreApplication::translate("DamagedFile", "\"%1\" could not be copied to \"%2\" (%3)")
                .arg(DisplayPath(sFile), DisplayPath(copy), file.errorString()));
    return copy;
}

} // namespace

namespace DamagedFile
{

QString SetAside(const QString& sFile, const Error& readError)
{
    QString message =
        QCoreApplication::translate(
            "DamagedFile", "The home page settings could not all be read, so the editor shows what "
                           "could be read.") +
        u"\r\n\r\n"_s + readError.Description() + u"\r\n\r\n"_s;
    try {
        message += QCoreApplication::translate(
                       "DamagedFile",
                       "The damaged file has been kept as \"%1\"; saving writes a new settings "
                       "file beside it.")
                       .arg(DisplayPath(KeepCopy(sFile)));
    } catch (const Error& copyError) {
        message += QCoreApplication::translate(
                       "DamagedFile",
                       "A copy of the damaged file could not be kept: %1. Saving will replace it, "
                       "so copy it somewhere safe first if you want to keep it.")
                       .arg(copyError.Description());
    }
    return message;
}

} // namespace DamagedFile
