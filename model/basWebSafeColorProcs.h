#pragma once

#include <QString>
#include <QtGlobal>

// Colours as a web page writes them.
namespace basWebSafeColorProcs
{

// The colour (0x00BBGGRR) as HTML colour text: "#" and six upper-case hexadecimal digits, red
// first. 255 gives "#FF0000".
QString ColorToHtml(qint32 lColor);

} // namespace basWebSafeColorProcs
