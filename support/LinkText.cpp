#include "support/LinkText.h"

#include "support/Bookmarks.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeData>
#include <QUrl>
#include <optional>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Half of a UTF-16 pair alone is no character: no file can hold it.
QString Whole(QString sText)
{
    for (qsizetype at = 0; at < sText.size(); ++at) {
        if (sText.at(at).isHighSurrogate() && at + 1 < sText.size() &&
            sText.at(at + 1).isLowSurrogate())
            ++at;
        else if (sText.at(at).isSurrogate())
            sText[at] = QChar::ReplacementCharacter;
    }
    return sText;
}

bool IsControl(QChar character)
{
    return character.category() == QChar::Other_Control;
}

QString Caption(const QString& sCaption)
{
    QString caption;
    caption.reserve(sCaption.size());
    for (const QChar character : Whole(sCaption)) {
        if (character == u'<')
            caption += u'\u2039';
        else if (character == u'>')
            caption += u'\u203A';
        else if (!IsControl(character))
            caption += character;
    }
    return caption;
}

// What would end the attribute or the line as its "%" escape, in UTF-8 as URLs have them.
QString Address(const QString& sAddress)
{
    const QString address = Whole(sAddress).trimmed();
    const QUrl url(address);
    QString escaped;
    for (const QChar character : url.isValid() ? url.toString(QUrl::FullyEncoded) : address) {
        if (character == u'"' || character == u'<' || character == u'>' || character == u' ' ||
            IsControl(character))
            escaped += QString::fromLatin1(QString(character).toUtf8().toPercentEncoding());
        else
            escaped += character;
    }
    return escaped;
}

LinkText Titled(const QString& sAddress, const QHash<QString, QString>& titles)
{
    return {titles.value(sAddress, LinkTexts::HostCaption(sAddress)), sAddress};
}

// A link file's bytes, when it is a regular file of at most 64 KB. A pipe would keep the reader
// waiting and a device may never end: neither is read, and the file is opened so that nothing can
// block even when a pipe takes its place after the look.
std::optional<QByteArray> LinkFileBytes(const QString& sPath)
{
    constexpr qint64 MaxSize = 65536;
    if (!QFileInfo(sPath).isFile())
        return std::nullopt;
    QFile file(sPath);
#ifdef Q_OS_WIN
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
#else
    const int fd = ::open(QFile::encodeName(sPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info = {};
    if (fd < 0)
        return std::nullopt;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
#endif
    const QByteArray bytes = file.read(MaxSize + 1);
    if (bytes.size() > MaxSize)
        return std::nullopt;
    return bytes;
}

// A link file: the Windows internet shortcut ([InternetShortcut], URL=), named after its file,
// or a desktop entry of type Link ([Desktop Entry], URL=, Name=).
std::optional<LinkText> LinkFile(const QString& sPath)
{
    const std::optional<QByteArray> bytes = LinkFileBytes(sPath);
    if (!bytes)
        return std::nullopt;
    LinkText link{QFileInfo(sPath).completeBaseName(), {}};
    for (const QByteArray& line : bytes->split('\n')) {
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

LinkText FromOutside(const QString& sCaption, const QString& sAddress)
{
    return {Caption(sCaption), Address(sAddress)};
}

bool PageOpens(const QString& sAddress)
{
    const QUrl url(sAddress.trimmed());
    return url.isValid() && !url.scheme().isEmpty() &&
           !QStringList{u"javascript"_s, u"place"_s, u"data"_s}.contains(url.scheme());
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
    if (addresses.isEmpty())
        return {};
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
