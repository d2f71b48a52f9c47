#include "editor/HomePictures.h"

#include "support/FileError.h"
#include "support/NativePath.h"
#include "support/NewFile.h"
#include "support/Wildcard.h"
#include "support/basProcs.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace HomePictures
{

const QString Patterns = u"*.gif,*.jpg,*.bmp"_s;

bool IsListed(QStringView name)
{
    const QStringList patterns = basProcs::SplitToArray(Patterns, u","_s, true);
    return std::any_of(patterns.cbegin(), patterns.cend(),
                       [name](const QString& pattern) { return Wildcard(pattern).Matches(name); });
}

QString ListedExtension(const QByteArray& format)
{
    if (format == "gif" || format == "bmp")
        return u'.' + QString::fromLatin1(format);
    if (format == "jpeg")
        return u".jpg"_s;
    return {};
}

QString FreeName(const QString& sFolder, const QString& sStem, const QString& sExtension)
{
    const QString folder = basProcs::AddBackslash(sFolder);
    int number = 1;
    while (basProcs::PathExists(folder + NewFile::NumberedName(sStem, sExtension, number)))
        ++number;
    return NewFile::NumberedName(sStem, sExtension, number);
}

void Copy(const QString& sSource, const QString& sTarget)
{
    if (const std::optional<Error> notAFile = FileError::NotAFile(sSource))
        throw *notAFile;
    QFile source(NativePath(sSource));
    if (source.copy(NativePath(sTarget)))
        return;
    const QFileInfo info(source);
    if (!info.isFile() || !info.isReadable())
        throw FileError::OpenFailed(source, sSource, FileError::Access::Read);
    throw FileError::OpenFailed(source, sTarget, FileError::Access::Write);
}

} // namespace HomePictures
