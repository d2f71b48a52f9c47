#pragma once

#include <QColor>
#include <QImage>

class QByteArray;

// A link's picture as the page shows it: a square of the page's tile side, the picture scaled to
// fit and centred on a colour of the site's or the page's. A small picture is enlarged at most
// MostEnlargement times, so that an icon stays sharp rather than blurred to fill the square.
namespace PictureTile
{

constexpr int MostEnlargement = 2;

// Which part of the picture goes on the tile.
enum class Cut {
    Whole,
    // The square at the middle: a picture made for sharing is wide, its subject in the middle.
    CentreSquare,
};

QImage Make(const QImage& picture, int iSide, const QColor& fill, Cut cut = Cut::Whole);

// Reads a picture of any kind the program knows: a drawing (SVG) drawn at iSide pixels on its
// longer side, and of a file holding several sizes (an icon) the largest. Null when unreadable.
QImage Read(const QByteArray& bytes, int iSide);

} // namespace PictureTile
