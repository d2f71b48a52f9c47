#include "model/basWebSafeColorProcs.h"

#include "model/basConversions.h"

using namespace Qt::StringLiterals;

namespace basWebSafeColorProcs
{

QString ColorToHtml(qint32 lColor)
{
    const QString separator = u","_s;
    return u'#' +
           basConversions::RGBToHex(basConversions::ColorToRGB(lColor, separator), separator);
}

} // namespace basWebSafeColorProcs
