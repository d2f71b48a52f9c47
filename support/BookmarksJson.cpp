// The "Bookmarks" file of Chromium-based browsers: a JSON object whose "roots" are folders
// ("bookmark_bar", "other", "synced"), each entry an object of "type" "folder" or "url".
#include "support/Bookmarks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace
{

Bookmark Entry(const QJsonObject& entry)
{
    Bookmark bookmark;
    bookmark.title = Bookmarks::Title(entry.value(u"name"_s).toString());
    bookmark.isFolder = entry.value(u"type"_s).toString() == u"folder"_s;
    if (!bookmark.isFolder) {
        bookmark.address = entry.value(u"url"_s).toString();
        return bookmark;
    }
    for (const QJsonValue child : entry.value(u"children"_s).toArray())
        bookmark.entries << Entry(child.toObject());
    return bookmark;
}

} // namespace

namespace Bookmarks
{

// The roots in the order the browser shows them, then any others it may add.
Bookmark ReadJson(const QByteArray& bytes)
{
    const QJsonObject roots = QJsonDocument::fromJson(bytes).object().value(u"roots"_s).toObject();
    QStringList names = {u"bookmark_bar"_s, u"other"_s, u"synced"_s};
    for (const QString& name : roots.keys())
        if (!names.contains(name))
            names << name;
    Bookmark all;
    all.isFolder = true;
    for (const QString& name : names)
        if (roots.value(name).isObject())
            all.entries << Entry(roots.value(name).toObject());
    return all;
}

} // namespace Bookmarks
