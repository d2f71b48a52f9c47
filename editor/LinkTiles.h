#pragma once

#include <QColor>
#include <QString>

class CWebPage;

// The tiles of a page's links: one side for all, the side its own pictures mostly have, so that
// the pictures that the program makes for links match those the page has already.
namespace LinkTiles
{

constexpr int DefaultSide = 96;

// The side most common among the square pictures of the page's links that lie in sFolder, the
// larger of two as common; DefaultSide on a page with none.
int PageSide(const CWebPage& page, const QString& sFolder);

// Around a picture that does not fill its tile: the page's background colour, else white.
QColor PageGround(const CWebPage& page);

// Whether the picture sName in sFolder is a tile of iSide already.
bool IsTile(const QString& sFolder, const QString& sName, int iSide);

// Writes a tile of iSide of the picture sName in sFolder beside it, as "ball-64.jpg" for
// "ball.gif" or the next free name, and returns the new name; empty when the picture is missing
// or cannot be read. An Error when the tile cannot be written.
QString WriteCopy(const QString& sFolder, const QString& sName, int iSide, const QColor& ground);

} // namespace LinkTiles
