#pragma once

#include <QtGlobal>

class QWidget;

// Window geometry is written in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
// Qt scales these logical pixels itself on screens of other densities.
namespace Twips
{

constexpr int PerPixel = 15;

constexpr int ToPixels(int iTwips)
{
    return qRound(double(iTwips) / PerPixel);
}

// Puts widget at the rectangle given in twips, relative to its parent's client area.
void Place(QWidget* widget, int iLeft, int iTop, int iWidth, int iHeight);

} // namespace Twips
