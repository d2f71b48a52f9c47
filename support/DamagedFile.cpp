#include "support/DamagedFile.h"

#include "support/Error.h"
#include "support/FileNameParts.h"
#include "support/NativePath.h"
#include "support/basProcs.h"

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
        throw Error(Error::PathFileAccessError,
                    u"\"%1\" could not be copied to \"%2\" (%3)"_s.arg(
                        DisplayPath(sFile), DisplayPath(copy), file.errorString()));
    return copy;
}

} // namespace

namespace DamagedFile
{

QString SetAside(const QString& sFile, const Error& readError)
{
    QString message = u"The home page settings could not all be read, so the editor shows what "
                      u"could be read.\r\n\r\n"_s +
                      readError.Description() + u"\r\n\r\n"_s;
    try {
        message += u"The damaged file has been kept as \"%1\"; saving writes a new settings "
                   u"file beside it."_s.arg(DisplayPath(KeepCopy(sFile)));
    } catch (const Error& copyError) {
        message += u"A copy of the damaged file could not be kept: %1. Saving will replace it, "
                   u"so copy it somewhere safe first if you want to keep it."_s.arg(
                       copyError.Description());
    }
    return message;
}

} // namespace DamagedFile
