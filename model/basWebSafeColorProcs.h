#pragma once

#include <QString>
#include <QtGlobal>

// Colours as a web page writes them.
namespace basWebSafeColorProcs
{

// HTML writes red first, where the colour value keeps it in the low byte: 0x123456 gives
// "#563412".
QString ColorToHtml(qint32 lColor);

} // namespace basWebSafeColorProcs
