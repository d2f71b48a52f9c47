#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of a browser's bookmarks: a folder, which holds entries, or a bookmark, which has an
// address. Titles are as the browser shows them, line breaks and tabs read as blanks.
struct Bookmark {
    QString title;
    QString address;
    bool isFolder = false;
    QList<Bookmark> entries;
};

// The bookmarks a browser gives a user: the HTML file every browser exports, and the "Bookmarks"
// file in which Chromium-based browsers keep them. Both come back as a folder without a title
// that holds the file's entries in the file's order. A damaged or cut file gives what could be
// read of it; a file that is no bookmarks file gives an empty folder. Folders nest at most
// MaxFolderDepth deep, as deep as a person can use: the entries of deeper ones come in flattened
// into the deepest folder kept, so nothing that walks the entries needs more.
namespace Bookmarks
{

constexpr int MaxFolderDepth = 64;

// The bookmarks of a "\"-separated path; an Error when the file cannot be read or is too large
// to be a bookmarks file.
Bookmark ReadFile(const QString& sFile);
// The file's bytes, in either form.
Bookmark Read(QByteArray bytes);
Bookmark ReadHtml(const QByteArray& bytes);
Bookmark ReadJson(const QByteArray& bytes);

// How many bookmarks the folder holds, in its folders too.
qsizetype Count(const Bookmark& folder);
// A title as the user should see it: line breaks and tabs as blanks, nothing else changed.
QString Title(QString sTitle);

} // namespace Bookmarks
