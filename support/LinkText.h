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

// The links of a text copied to the clipboard: one for each line, when every line that is not
// blank is an absolute http:, https: or ftp: address, else none. A title that comes with an
// address (text/x-moz-url, text/html) is its caption.
QList<LinkText> FromClipboard(const QMimeData& data);

// The links of a drop: the web addresses it carries, and the links of the .url and .desktop link
// files among its files, each with its title where one comes with it.
QList<LinkText> FromDrop(const QMimeData& data);

} // namespace LinkTexts
