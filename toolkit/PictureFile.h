#pragma once

#include <QString>

class QImage;

// Pictures written into the page folder as JPEG files, the one kind of picture that every page
// shows and every picker lists, under names that are free: nothing is ever overwritten.
namespace PictureFile
{

// The longer side of a site's picture, in pixels: the largest a link's picture shows.
constexpr int SiteSide = 256;

// Writes the picture as "sStem.jpg" in sFolder, or "sStem-2.jpg" and on when that is taken, with
// its transparent parts on white, shrunk to iMaxSide pixels on its longer side when it is larger
// (0 keeps its size). Returns the file's bare name; an Error when it cannot be written.
QString WriteJpeg(const QImage& picture, const QString& sFolder, const QString& sStem,
                  int iMaxSide = 0);

// A site's picture, named after the host of sAddress without a leading "www.": "pbskids.org.jpg".
QString WriteSitePicture(const QImage& picture, const QString& sFolder, const QString& sAddress);

} // namespace PictureFile
