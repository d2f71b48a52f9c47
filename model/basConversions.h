#pragma once

#include <QString>
#include <QtGlobal>

// Conversions between a colour value (0x00BBGGRR, red in the low byte) and its parts as text.
namespace basConversions
{

// The red, green and blue parts of the colour as decimal text, in that order, separated by
// sSeparator: 33023 with "," gives "255,128,0".
QString ColorToRGB(qint32 lColor, const QString& sSeparator);

// The parts of a decimal colour text, split at sSeparator, as six upper-case hexadecimal digits
// (two for each part, zero-filled; more when a part is above 255): "255,128,0" gives "FF8000".
// Parts after the third are ignored; Error 9 when there are fewer than three.
QString RGBToHex(const QString& sRGB, const QString& sSeparator);

} // namespace basConversions
