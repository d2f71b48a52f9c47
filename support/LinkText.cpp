#include "support/LinkText.h"

#include "support/Bookmarks.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeData>
#include <QUrl>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

bool IsWebAddress(const QString& sLine)
{
    const QUrl url(sLine, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty() && !sLine.contains(u' ') &&
           (scheme == u"http"_s || scheme == u"https"_s || scheme == u"ftp"_s);
}

// Browsers give a link's title beside its address: Firefox as text/x-moz-url (address and title
// on alternate lines, in UTF-16), Chromium as _NETSCAPE_URL (the same in UTF-8), both as text/html
// (an <a> element).
QHash<QString, QString> Titles(const QMimeData& data)
{
    QHash<QString, QString> titles;
    for (const Bookmark& link : Bookmarks::ReadHtml(data.html().toUtf8()).entries)
        titles.insert(link.address, link.title);
    const QByteArray mozUrl = data.data(u"text/x-moz-url"_s);
    const QString pairs[] = {
        QString::fromUtf16(reinterpret_cast<const char16_t*>(mozUrl.constData()),
                           mozUrl.size() / 2),
        QString::fromUtf8(data.data(u"_NETSCAPE_URL"_s))};
    for (const QString& text : pairs) {
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i + 1 < lines.size(); i += 2)
            if (!lines.at(i + 1).trimmed().isEmpty())
                titles.insert(lines.at(i).trimmed(), Bookmarks::Title(lines.at(i + 1).trimmed()));
    }
    return titles;
}

LinkText Titled(const QString& sAddress, const QHash<QString, QString>& titles)
{
    return {titles.value(sAddress, LinkTexts::HostCaption(sAddress)), sAddress};
}

// A link file: the Windows internet shortcut ([InternetShortcut], URL=), named after its file,
// or a desktop entry of type Link ([Desktop Entry], URL=, Name=).
std::optional<LinkText> LinkFile(const QString& sPath)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > 65536)
        return std::nullopt;
    LinkText link{QFileInfo(sPath).completeBaseName(), {}};
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.startsWith(u"URL="_s))
            link.address = text.mid(4);
        else if (text.startsWith(u"Name="_s) && sPath.endsWith(u".desktop"_s))
            link.caption = text.mid(5);
    }
    if (!IsWebAddress(link.address))
        return std::nullopt;
    return link;
}

} // namespace

namespace LinkTexts
{

QString HostCaption(const QString& sAddress)
{
    QString host = QUrl(sAddress).host();
    if (host.startsWith(u"www."_s))
        host.remove(0, 4);
    return host;
}

QList<LinkText> FromClipboard(const QMimeData& data)
{
    QStringList addresses;
    for (const QString& line : data.text().split(u'\n')) {
        const QString address = line.trimmed();
        if (address.isEmpty())
            continue;
        if (!IsWebAddress(address))
            return {};
        addresses << address;
    }
    const QHash<QString, QString> titles = Titles(data);
    QList<LinkText> links;
    for (const QString& address : addresses)
        links << Titled(address, titles);
    return links;
}

// The addresses as the list holds them: QMimeData::urls() would rewrite them.
QList<LinkText> FromDrop(const QMimeData& data)
{
    if (!data.hasUrls())
        return FromClipboard(data);
    const QHash<QString, QString> titles = Titles(data);
    QList<LinkText> links;
    for (const QByteArray& line : data.data(u"text/uri-list"_s).split('\n')) {
        const QString address = QString::fromUtf8(line).trimmed();
        const QUrl url(address);
        if (url.isLocalFile()) {
            if (const std::optional<LinkText> link = LinkFile(url.toLocalFile()))
                links << *link;
        } else if (IsWebAddress(address)) {
            links << Titled(address, titles);
        }
    }
    return links;
}

} // namespace LinkTexts
