#include "toolkit/PictureFile.h"

#include "support/Error.h"
#include "support/LinkText.h"
#include "support/NewFile.h"
#include "support/basProcs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace
{

constexpr int JpegQuality = 90;

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

namespace PictureFile
{

QString WriteJpeg(const QImage& picture, const QString& sFolder, const QString& sStem, int iMaxSide)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !OnWhite(picture, iMaxSide).save(&buffer, "JPG", JpegQuality))
        throw Error(Error::InvalidFileFormat,
                    QCoreApplication::translate("PictureFile",
                                                "The picture could not be made into a JPEG file."));
    const QString path = NewFile::Write(
        sFolder, [&sStem](int iNumber) { return NewFile::NumberedName(sStem, u".jpg"_s, iNumber); },
        bytes);
    return basProcs::GetPathPart(path, basProcs::PartFileName);
}

QString WriteSitePicture(const QImage& picture, const QString& sFolder, const QString& sAddress)
{
    // A host may hold what a file name cannot, as the colons of an IPv6 address.
    static const QRegularExpression unsafe(u"[\\\\/:*?\"<>|]"_s);
    QString stem = LinkTexts::HostCaption(sAddress).replace(unsafe, u"-"_s);
    return WriteJpeg(picture, sFolder, stem.isEmpty() ? u"picture"_s : stem, SiteSide);
}

} // namespace PictureFile
