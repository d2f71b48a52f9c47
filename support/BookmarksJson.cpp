// The "Bookmarks" file of Chromium-based browsers: a JSON object whose "roots" are folders
// ("bookmark_bar", "other", "synced"), each entry an object of "type" "folder" or "url" with a
// "name" and a "url". Firefox's backup: one folder of "type" "text/x-moz-place-container" whose
// entries are folders of that type or bookmarks of "type" "text/x-moz-place", with a "title" and
// a "uri".
#include "support/Bookmarks.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace
{

// The file writes a folder's entries before its name and type, so a folder of a cut file may have
// only its entries; a bookmark cut short before its type is left out.
bool IsFolder(const QJsonObject& entry)
{
    const QString type = entry.value(u"type"_s).toString();
    return entry.contains(u"children"_s) || type == u"folder"_s ||
           type == u"text/x-moz-place-container"_s;
}

bool IsBookmark(const QJsonObject& entry)
{
    const QString type = entry.value(u"type"_s).toString();
    return type == u"url"_s || type == u"text/x-moz-place"_s;
}

// Firefox names its own folders in the file by what they are, as "toolbar"; it shows them so.
QString Title(const QJsonObject& entry)
{
    static const std::pair<const char*, const char*> roots[] = {
        {"bookmarksMenuFolder", QT_TRANSLATE_NOOP("Bookmarks", "Bookmarks Menu")},
        {"toolbarFolder", QT_TRANSLATE_NOOP("Bookmarks", "Bookmarks Toolbar")},
        {"unfiledBookmarksFolder", QT_TRANSLATE_NOOP("Bookmarks", "Other Bookmarks")},
        {"mobileFolder", QT_TRANSLATE_NOOP("Bookmarks", "Mobile Bookmarks")},
    };
    const QString root = entry.value(u"root"_s).toString();
    for (const auto& [name, title] : roots)
        if (root == QLatin1StringView(name))
            return QCoreApplication::translate("Bookmarks", title);
    return Bookmarks::Title(entry.value(u"name"_s).toString(entry.value(u"title"_s).toString()));
}

// The entries of a folder that stands iDepth folders deep; the entries of a folder deeper than
// any kept go into the deepest kept. The JSON parser nests at most 1024 deep, which bounds this.
void AddEntries(Bookmark& folder, const QJsonArray& entries, int iDepth)
{
    for (const QJsonValue value : entries) {
        const QJsonObject entry = value.toObject();
        const QJsonArray children = entry.value(u"children"_s).toArray();
        if (IsFolder(entry) && iDepth >= Bookmarks::MaxFolderDepth) {
            AddEntries(folder, children, iDepth);
            continue;
        }
        Bookmark bookmark;
        bookmark.title = Title(entry);
        bookmark.isFolder = IsFolder(entry);
        bookmark.address = entry.value(u"url"_s).toString(entry.value(u"uri"_s).toString());
        if (bookmark.isFolder)
            AddEntries(bookmark, children, iDepth + 1);
        if (bookmark.isFolder || IsBookmark(entry))
            folder.entries << bookmark;
    }
}

// The lists and objects open at the end of the bytes, innermost last; and where the last object
// closed, in lastClosed.
QByteArray OpenAt(QByteArrayView bytes, qsizetype& lastClosed)
{
    QByteArray open;
    bool inString = false;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const char byte = bytes[at];
        if (inString) {
            at += byte == '\\' ? 1 : 0;
            inString = byte != '"';
        } else if (byte == '"') {
            inString = true;
        } else if (byte == '{' || byte == '[') {
            open += byte;
        } else if ((byte == '}' || byte == ']') && !open.isEmpty()) {
            open.chop(1);
            lastClosed = byte == '}' ? at + 1 : lastClosed;
        }
    }
    return open;
}

// A file cut short, closed where it was cut: at the end of its last whole object, each list and
// object still open there closed in turn. However deep the file, a pass finds that end and
// another what is open there.
QByteArray Closed(const QByteArray& bytes)
{
    qsizetype end = 0;
    OpenAt(bytes, end);
    QByteArray closed = bytes.left(end);
    const QByteArray open = OpenAt(closed, end);
    for (qsizetype at = open.size() - 1; at >= 0; --at)
        closed += open.at(at) == '{' ? '}' : ']';
    return closed;
}

QJsonObject Parse(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error == QJsonParseError::NoError)
        return document.object();
    return QJsonDocument::fromJson(Closed(bytes)).object();
}

} // namespace

namespace Bookmarks
{

// Chromium's roots in the order the browser shows them, then any others it may add.
Bookmark ReadJson(const QByteArray& bytes)
{
    const QJsonObject file = Parse(bytes);
    Bookmark all;
    all.isFolder = true;
    if (!file.contains(u"roots"_s)) {
        AddEntries(all, file.value(u"children"_s).toArray(), 0);
        return all;
    }
    const QJsonObject roots = file.value(u"roots"_s).toObject();
    QStringList names = {u"bookmark_bar"_s, u"other"_s, u"synced"_s};
    for (const QString& name : roots.keys())
        if (!names.contains(name))
            names << name;
    QJsonArray folders;
    for (const QString& name : names)
        if (roots.value(name).isObject())
            folders << roots.value(name);
    AddEntries(all, folders, 0);
    return all;
}

} // namespace Bookmarks
