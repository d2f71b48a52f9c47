#include "support/Bookmarks.h"

#include "support/WholeFile.h"

using namespace Qt::StringLiterals;

namespace Bookmarks
{

Bookmark ReadFile(const QString& sFile)
{
    return Read(WholeFile::Read(sFile));
}

// Chromium's file is a JSON object; everything else is read as HTML, which reads anything.
Bookmark Read(const QByteArray& bytes)
{
    if (bytes.trimmed().startsWith('{'))
        return ReadJson(bytes);
    return ReadHtml(bytes);
}

qsizetype Count(const Bookmark& folder)
{
    qsizetype count = 0;
    for (const Bookmark& entry : folder.entries)
        count += entry.isFolder ? Count(entry) : 1;
    return count;
}

QString Title(QString sTitle)
{
    sTitle.replace(u"\r\n"_s, u" "_s);
    for (const char16_t blank : {u'\r', u'\n', u'\t'})
        sTitle.replace(blank, u' ');
    return sTitle;
}

} // namespace Bookmarks
