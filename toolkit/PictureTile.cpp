#include "toolkit/PictureTile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace
{

QRect Square(const QImage& picture, PictureTile::Cut cut)
{
    if (cut == PictureTile::Cut::Whole)
        return picture.rect();
    const int side = std::min(picture.width(), picture.height());
    return {(picture.width() - side) / 2, (picture.height() - side) / 2, side, side};
}

} // namespace

namespace PictureTile
{

QImage Make(const QImage& picture, int iSide, const QColor& fill, Cut cut)
{
    QImage tile(iSide, iSide, QImage::Format_RGB32);
    tile.fill(fill);
    if (picture.isNull())
        return tile;
    const QRect part = Square(picture, cut);
    QSize size = part.size();
    size.scale(iSide, iSide, Qt::KeepAspectRatio);
    if (size.width() > part.width() * MostEnlargement)
        size = part.size() * MostEnlargement;
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect target(QPoint((iSide - size.width()) / 2, (iSide - size.height()) / 2), size);
    painter.drawImage(target, picture, part);
    return tile;
}

QImage Read(const QByteArray& bytes, int iSide)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    if (reader.format().startsWith("svg")) {
        reader.setScaledSize(reader.size().scaled(iSide, iSide, Qt::KeepAspectRatio));
        return reader.read();
    }
    QImage largest;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (image.width() * image.height() > largest.width() * largest.height())
            largest = image;
    }
    return largest;
}

} // namespace PictureTile
