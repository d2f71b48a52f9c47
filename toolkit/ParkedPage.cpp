#include "toolkit/ParkedPage.h"

#include "support/SameSite.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>
#include <QUrl>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace
{

// In small letters, as parking pages word them; each one also matches inside a longer title
// ("pbskids.org: this domain may be for sale!").
const QString ForSaleWords[] = {
    u"domain is for sale"_s,
    u"buy this domain"_s,
    u"domain may be for sale"_s,
    u"domain ist zu verkaufen"_s,
    u"domain steht zum verkauf"_s,
    u"diese domain kaufen"_s,
    u"domaine est à vendre"_s,
    u"domaine est peut-être à vendre"_s,
    u"acheter ce domaine"_s,
    u"dominio está a la venta"_s,
    u"dominio puede estar a la venta"_s,
    u"comprar este dominio"_s,
};

// The services that show those pages for the owners of names not in use, by their sites.
const QString ParkingSites[] = {
    u"sedoparking.com"_s, u"parkingcrew.net"_s, u"bodis.com"_s,
    u"above.com"_s,       u"dan.com"_s,         u"hugedomains.com"_s,
};

// The title and the main headings, as a reader sees them: tags gone, references decoded, blanks
// made one, in small letters.
QStringList Headings(const QByteArray& html)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(html);
    const QString text = decoder.isValid() ? decoder.decode(html) : QString::fromUtf8(html);
    static const QRegularExpression heading(u"<(title|h1|h2)\\b[^>]*>(.*?)</\\1\\s*>"_s,
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    QStringList headings;
    for (const QRegularExpressionMatch& match : heading.globalMatch(text))
        headings << QTextDocumentFragment::fromHtml(match.captured(2))
                        .toPlainText()
                        .simplified()
                        .toLower();
    return headings;
}

} // namespace

bool ParkedPage::ForSale(const QUrl& url, const QByteArray& html)
{
    if (std::ranges::find(ParkingSites, SameSite::Site(url)) != std::end(ParkingSites))
        return true;
    const QStringList headings = Headings(html);
    return std::ranges::any_of(headings, [](const QString& heading) {
        return std::ranges::any_of(ForSaleWords,
                                   [&](const QString& words) { return heading.contains(words); });
    });
}
