#pragma once

#include <QtGlobal>

class QWidget;

// The windows are placed in twips, the unit their layouts were drawn in: 15 to a logical pixel.
// Qt maps logical pixels to the screen's density, so nothing here needs to.
namespace Twips
{

constexpr int PerPixel = 15;

constexpr int ToPixels(int iTwips)
{
    return qRound(double(iTwips) / PerPixel);
}

// The rectangle is in the parent's coordinates, as setGeometry takes it.
void Place(QWidget* widget, int iLeft, int iTop, int iWidth, int iHeight);

} // namespace Twips
