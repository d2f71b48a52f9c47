#pragma once

#include <QList>
#include <QString>

class QMimeData;

// A link on its way onto the page, from the bookmarks, the clipboard or a drop.
struct LinkText {
    QString caption;
    QString address;
};

namespace LinkTexts
{

// The caption of an address that comes without a title: its host, without a leading "www.".
QString HostCaption(const QString& sAddress);

// A caption and an address from outside the parent's keyboard as the page may hold them, so that
// they can never carry markup onto the child's page, which writes its texts as they are. The
// caption keeps its words: "<" and ">" become "‹" and "›", control characters go. The
// address is taken in its encoded form, and a '"', "<", ">", blank or control character in it
// becomes its "%" escape even where it is no URL at all, so it never leaves its attribute. A
// character that cannot be stored (half of a UTF-16 pair) becomes U+FFFD in both.
LinkText FromOutside(const QString& sCaption, const QString& sAddress);

// Whether a page of links can open the address: an absolute URL whose scheme is not one of those
// that open nothing from such a page (scripts, the browser's own queries, inline data).
bool PageOpens(const QString& sAddress);

// The links of a text copied to the clipboard: one for each line, when every line that is not
// blank is an absolute http:, https: or ftp: address, else none. A title that comes with an
// address (text/x-moz-url, text/html) is its caption.
QList<LinkText> FromClipboard(const QMimeData& data);

// The links of a drop: the web addresses it carries, and the links of the .url and .desktop link
// files among its files, each with its title where one comes with it.
QList<LinkText> FromDrop(const QMimeData& data);

} // namespace LinkTexts
