#pragma once

#include <QByteArray>

// A bookmarks file's HTML made ready for the parser, which would otherwise take it apart wrongly
// or slowly. Only what stands inside a tag or is no tag at all changes.
namespace HtmlTidy
{

// The HTML with a "<" that starts no tag written as "&lt;" (a title "if (a<b)" or "C<T>
// templates" would lose its text or its bookmark), and the values of the ICON attributes dropped:
// browsers keep each bookmark's icon there, kilobytes of base64 that the parser would take most
// of its time over, as it reads a value a character at a time.
QByteArray ForBookmarks(const QByteArray& html);

} // namespace HtmlTidy
