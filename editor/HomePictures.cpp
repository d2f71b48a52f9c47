#include "editor/HomePictures.h"

#include "support/Error.h"
#include "support/FileError.h"
#include "support/NativePath.h"
#include "support/Wildcard.h"
#include "support/basProcs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace
{

// A photograph shows no visible loss at this quality, at far less than the best quality's size.
constexpr int JpegQuality = 90;

} // namespace

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
    QString name = sStem + sExtension;
    for (int number = 2; basProcs::PathExists(folder + name); ++number)
        name = sStem + u'-' + QString::number(number) + sExtension;
    return name;
}

void Copy(const QString& sSource, const QString& sTarget)
{
    QFile source(NativePath(sSource));
    if (source.copy(NativePath(sTarget)))
        return;
    const QFileInfo info(source);
    if (!info.isFile() || !info.isReadable())
        throw FileError::OpenFailed(source, sSource, FileError::Access::Read);
    throw FileError::OpenFailed(source, sTarget, FileError::Access::Write);
}

void WriteJpeg(const QImage& picture, const QString& sTarget)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, picture);

    // NewOnly: a file that appeared since its name was found free is not replaced.
    QFile file(NativePath(sTarget));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw FileError::OpenFailed(file, sTarget, FileError::Access::Write);
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(JpegQuality);
    if (writer.write(flat) && file.flush())
        return;
    // A full disk is the file's error; the writer's are its own.
    const QString reason =
        file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
    file.remove();
    throw Error(
        Error::PathFileAccessError,
        QCoreApplication::translate("HomePictures", "The file \"%1\" could not be written (%2).")
            .arg(DisplayPath(sTarget), reason));
}

} // namespace HomePictures
