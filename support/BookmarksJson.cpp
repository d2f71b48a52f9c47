// The "Bookmarks" file of Chromium-based browsers: a JSON object whose "roots" are folders
// ("bookmark_bar", "other", "synced"), each entry an object of "type" "folder" or "url".
#include "support/Bookmarks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace
{

// The entries of a folder. The file writes a folder's entries before its name and type, so a
// folder of a cut file may have only its entries; a bookmark cut short before its type is left out.
void AddEntries(Bookmark& folder, const QJsonArray& entries)
{
    for (const QJsonValue value : entries) {
        const QJsonObject entry = value.toObject();
        Bookmark bookmark;
        bookmark.title = Bookmarks::Title(entry.value(u"name"_s).toString());
        bookmark.isFolder = entry.contains(u"children"_s);
        bookmark.address = entry.value(u"url"_s).toString();
        if (bookmark.isFolder)
            AddEntries(bookmark, entry.value(u"children"_s).toArray());
        if (bookmark.isFolder || entry.value(u"type"_s).toString() == u"url"_s)
            folder.entries << bookmark;
    }
}

// A file cut short is closed where it was cut: back to the end of its last whole object, then
// each list and object still open closed in turn, as the parser asks for them.
QJsonDocument Parse(QByteArray bytes)
{
    for (int attempt = 0; attempt < 64; ++attempt) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
        if (error.error == QJsonParseError::NoError)
            return document;
        if (error.error == QJsonParseError::UnterminatedObject) {
            bytes += '}';
        } else if (error.error == QJsonParseError::UnterminatedArray) {
            bytes += ']';
        } else {
            const qsizetype end =
                bytes.lastIndexOf('}', std::min<qsizetype>(error.offset, bytes.size() - 1) - 1);
            if (end < 0)
                break;
            bytes.truncate(end + 1);
        }
    }
    return {};
}

} // namespace

namespace Bookmarks
{

// The roots in the order the browser shows them, then any others it may add.
Bookmark ReadJson(const QByteArray& bytes)
{
    const QJsonObject roots = Parse(bytes).object().value(u"roots"_s).toObject();
    QStringList names = {u"bookmark_bar"_s, u"other"_s, u"synced"_s};
    for (const QString& name : roots.keys())
        if (!names.contains(name))
            names << name;
    Bookmark all;
    all.isFolder = true;
    QJsonArray folders;
    for (const QString& name : names)
        if (roots.value(name).isObject())
            folders << roots.value(name);
    AddEntries(all, folders);
    return all;
}

} // namespace Bookmarks
