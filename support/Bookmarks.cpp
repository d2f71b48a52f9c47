#include "support/Bookmarks.h"

#include "support/Error.h"
#include "support/NativePath.h"
#include "support/WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Bookmarks
{

// No browser writes a bookmarks file this large; reading one would take long and much memory.
constexpr qint64 MaxFileSize = 200'000'000;

Bookmark ReadFile(const QString& sFile)
{
    if (QFileInfo(NativePath(sFile)).size() > MaxFileSize)
        throw Error(Error::InvalidFileFormat,
                    QCoreApplication::translate("Bookmarks",
                                                "\"%1\" is larger than 200 MB, far larger than "
                                                "any bookmarks file, so it was not read.")
                        .arg(DisplayPath(sFile)));
    return Read(WholeFile::Read(sFile));
}

// Chromium's file and Firefox's backup are JSON objects; everything else is read as HTML, which
// reads anything. A NUL byte would end either parser's reading, and carries nothing; a byte order
// mark (Notepad writes one) says UTF-8, as the files are anyway.
Bookmark Read(QByteArray bytes)
{
    bytes.removeIf([](char byte) { return byte == '\0'; });
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
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
