#pragma once

#include <QString>
#include <QtGlobal>

// Conversions between a colour value (0x00BBGGRR, red in the low byte) and its parts as text.
namespace basConversions
{

// Red, green and blue as decimal numbers joined by sSeparator, red first although it is the low
// byte: 0x123456 with "," gives "86,52,18".
QString ColorToRGB(qint32 lColor, const QString& sSeparator);

// Back from decimal text to upper-case hexadecimal, two digits a part: "86,52,18" gives "563412".
// A part above 255 takes more than two. Extra parts are passed over; fewer than three is Error 9.
QString RGBToHex(const QString& sRGB, const QString& sSeparator);

} // namespace basConversions
