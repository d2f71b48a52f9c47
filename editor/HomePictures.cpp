#include "editor/HomePictures.h"

#include "support/Error.h"
#include "support/FileError.h"
#include "support/LinkText.h"
#include "support/NativePath.h"
#include "support/NewFile.h"
#include "support/Wildcard.h"
#include "support/basProcs.h"
#include "toolkit/PictureTile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace
{

constexpr int JpegQuality = 90;

// For a picture of a format the lists show under another name ("cat.GIF", "cat.jpeg"): the
// extension that they show it under (".gif", ".jpg"), so that a copy can keep the very bytes.
// Empty for a format they do not show at all, which needs a JPEG copy.
QString ListedExtension(const QByteArray& format)
{
    if (format == "gif" || format == "bmp")
        return u'.' + QString::fromLatin1(format);
    if (format == "jpeg")
        return u".jpg"_s;
    return {};
}

QImage OnWhite(const QImage& picture, int iMaxSide)
{
    QSize size = picture.size();
    if (iMaxSide > 0 && std::max(size.width(), size.height()) > iMaxSide)
        size.scale(iMaxSide, iMaxSide, Qt::KeepAspectRatio);
    QImage flat(size.expandedTo({1, 1}), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(), flat.size()), picture);
    return flat;
}

} // namespace

const QString HomePictures::Patterns = u"*.gif,*.jpg,*.bmp"_s;

bool HomePictures::IsListed(QStringView name)
{
    const QStringList patterns = basProcs::SplitToArray(Patterns, u","_s, true);
    return std::any_of(patterns.cbegin(), patterns.cend(),
                       [name](const QString& pattern) { return Wildcard(pattern).Matches(name); });
}

HomePictures::HomePictures(const QString& sFolder) : m_folder(basProcs::AddBackslash(sFolder)) {}

bool HomePictures::Holds(const QString& sName) const
{
    return basProcs::PathExists(m_folder + sName);
}

void HomePictures::CopyIn(const QString& sSource, const QString& sName) const
{
    if (const std::optional<Error> notAFile = FileError::NotAFile(sSource))
        throw *notAFile;
    const QString target = m_folder + sName;
    QFile source(NativePath(sSource));
    if (source.copy(NativePath(target)))
        return;
    const QFileInfo info(source);
    if (!info.isFile() || !info.isReadable())
        throw FileError::OpenFailed(source, sSource, FileError::Access::Read);
    throw FileError::OpenFailed(source, target, FileError::Access::Write);
}

std::optional<HomePictures::ListedCopy>
HomePictures::ListedCopyOf(const QString& sName, int iTileSide, const QColor& ground) const
{
    if (IsListed(sName))
        return std::nullopt;
    QImageReader reader(NativePath(m_folder + sName));
    // A photograph taken on its side is stored so, with a note to turn it: the copy is upright.
    reader.setAutoTransform(true);
    const QString kept = iTileSide > 0 ? QString() : ListedExtension(reader.format());
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    if (iTileSide > 0)
        picture = PictureTile::Make(picture, iTileSide, ground);
    const QString stem = QFileInfo(sName).completeBaseName();
    const QString extension = kept.isEmpty() ? u".jpg"_s : kept;
    int number = 1;
    while (Holds(NewFile::NumberedName(stem, extension, number)))
        ++number;
    return ListedCopy{sName, NewFile::NumberedName(stem, extension, number), std::move(picture),
                      !kept.isEmpty()};
}

QString HomePictures::Make(const ListedCopy& copy) const
{
    if (!copy.sameBytes)
        return WriteJpeg(copy.picture, QFileInfo(copy.name).completeBaseName());
    CopyIn(m_folder + copy.of, copy.name);
    return copy.name;
}

std::optional<HomePictures::Below> HomePictures::InSubfolder(const QString& sFile) const
{
    const QString below = sFile.mid(m_folder.size());
    const qsizetype cut = below.lastIndexOf(u'\\');
    if (cut < 0)
        return std::nullopt;
    return Below{below.mid(cut + 1), below.left(cut)};
}

QString HomePictures::WriteJpeg(const QImage& picture, const QString& sStem, int iMaxSide) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !OnWhite(picture, iMaxSide).save(&buffer, "JPG", JpegQuality))
        throw Error(Error::InvalidFileFormat,
                    tr("The picture could not be made into a JPEG file."));
    const QString path = NewFile::Write(
        m_folder,
        [&sStem](int iNumber) { return NewFile::NumberedName(sStem, u".jpg"_s, iNumber); }, bytes);
    return basProcs::GetPathPart(path, basProcs::PartFileName);
}

QString HomePictures::WriteSitePicture(const QImage& picture, const QString& sAddress) const
{
    // A host may hold what a file name cannot, as the colons of an IPv6 address.
    static const QRegularExpression unsafe(u"[\\\\/:*?\"<>|]"_s);
    QString stem = LinkTexts::HostCaption(sAddress).replace(unsafe, u"-"_s);
    return WriteJpeg(picture, stem.isEmpty() ? u"picture"_s : stem, SiteSide);
}
