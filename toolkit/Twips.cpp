#include "toolkit/Twips.h"

#include <QWidget>

namespace Twips
{

void Place(QWidget* widget, int iLeft, int iTop, int iWidth, int iHeight)
{
    widget->setGeometry(ToPixels(iLeft), ToPixels(iTop), ToPixels(iWidth), ToPixels(iHeight));
}

} // namespace Twips
