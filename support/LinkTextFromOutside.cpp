#include "support/LinkText.h"

#include <QUrl>

namespace LinkTexts
{

LinkText FromOutside(const QString& sCaption, const QString& sAddress)
{
    QString caption;
    for (const QChar character : sCaption) {
        if (character == u'<')
            caption += u'\u2039';
        else if (character == u'>')
            caption += u'\u203A';
        else if (character.category() != QChar::Other_Control)
            caption += character;
    }
    QString address;
    const QUrl url(sAddress.trimmed());
    for (const QChar character : url.isValid() ? url.toString(QUrl::FullyEncoded) : sAddress) {
        if (character == u'"' || character == u'<' || character == u'>' || character == u' ' ||
            character.category() == QChar::Other_Control)
            address += QString::fromLatin1(QString(character).toUtf8().toPercentEncoding());
        else
            address += character;
    }
    return {caption, address};
}

} // namespace LinkTexts
