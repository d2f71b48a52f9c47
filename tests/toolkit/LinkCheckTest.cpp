#include "common/LocalSite.h"
#include "common/QStringPrinter.h"
#include "support/NativePath.h"
#include "toolkit/LinkChecks.h"
#include "toolkit/ParkedPage.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

QString Text(const LinkFinding& finding)
{
    static const char* const kinds[] = {"Fine",  "NotFound", "NoAnswer", "LeadsElsewhere",
                                        "Moved", "ForSale",  "NoScheme", "NotChecked"};
    return QString::fromLatin1(kinds[finding.kind]) +
           (finding.reached.isEmpty() ? QString() : u' ' + finding.reached.toString()) +
           (finding.nameUnknown ? u" ?"_s : QString());
}

// Checks the addresses with short waits; the findings in their order.
QStringList Check(const QStringList& addresses, const QString& sPageFolder = u"C:\\none"_s)
{
    LinkChecks checks(nullptr);
    checks.SetTimeLimit(400);
    checks.SetRetryDelay(100);
    QStringList found(addresses.size());
    QObject::connect(&checks, &LinkChecks::Found, [&](qsizetype link, const LinkFinding& finding) {
        found[link] = Text(finding);
    });
    QSignalSpy finished(&checks, &LinkChecks::Finished), offline(&checks, &LinkChecks::Offline);
    checks.Start(addresses, sPageFolder);
    EXPECT_TRUE(WaitUntil([&] { return !finished.isEmpty() || !offline.isEmpty(); }));
    return offline.isEmpty() ? found : QStringList{u"Offline"_s};
}

} // namespace

// Each address as the child's browser would meet it, from two sites of the test's own: 127.0.0.1
// and localhost; "other" is the same host on another port, as an http: site that moves to https:.
TEST(LinkChecks, TellWhatBecameOfEachAddressOrSayOffline)
{
    LocalSite site, other;
    const QByteArray page = LocalSite::Page({});
    site.Serve("/fine", page);
    other.Serve("/fine", page);
    site.Fail("/gone", 410);
    site.Hang("/hangs");
    site.Fail("/busy", 503, 1);
    site.Serve("/busy", page);
    site.Fail("/down", 503);
    const QString away = QString(site.Url("/fine")).replace(u"127.0.0.1"_s, u"localhost"_s);
    site.Redirect("/away", away.toLatin1());
    site.Redirect("/old", "/new");
    site.Serve("/new", page);
    site.Redirect("/plain", other.Url("/fine").toLatin1());
    site.Serve("/en", LocalSite::Page("<title>kids.example: This domain may be for sale!</title>"));
    QTemporaryDir folder;
    QFile(folder.filePath(u"games.html"_s)).open(QIODevice::WriteOnly);
    const QString bare = site.Url("/fine").mid(7), nowhere = u"http://nowhere.invalid/"_s;
    const std::pair<QString, QString> cases[] = {
        {site.Url("/fine"), u"Fine "_s + site.Url("/fine")},
        {site.Url("/missing"), u"NotFound "_s + site.Url("/missing")},
        {site.Url("/gone"), u"NotFound "_s + site.Url("/gone")},
        {nowhere, u"NotFound ?"_s},
        {site.Url("/hangs"), u"NoAnswer"_s},
        {site.Url("/busy"), u"Fine "_s + site.Url("/busy")},
        {site.Url("/down"), u"NoAnswer"_s},
        {site.Url("/away"), u"LeadsElsewhere "_s + away},
        {site.Url("/old"), u"Moved "_s + site.Url("/new")},
        {site.Url("/plain"), u"Moved "_s + other.Url("/fine")},
        {site.Url("/en"), u"ForSale "_s + site.Url("/en")},
        {u"javascript:alert(1)"_s, u"NotChecked"_s},
        {u""_s, u"NotChecked"_s},
        {u"games.html"_s, u"Fine"_s},
        {bare, u"NoScheme http://"_s + bare},
        {u"kids.invalid/games"_s, u"NoScheme ?"_s},
    };
    QStringList addresses, expected;
    for (const auto& [address, found] : cases) {
        addresses << address;
        expected << found;
    }
    EXPECT_EQ(Check(addresses, BackslashPath(folder.path())), expected);
    // The first five names all unknown: the computer is taken to be offline, not the sites gone.
    EXPECT_EQ(Check(QStringList(5, nowhere)), QStringList{u"Offline"_s});
    EXPECT_EQ(Check(QStringList(4, nowhere) << site.Url("/missing")).size(), 5);
}

// Each word, also marked up, and each parking service, and pages that only come near them.
TEST(ParkedPage, KnowsEachWordAndEachService)
{
    const QUrl page(u"http://a.org/"_s);
    for (const char* html :
         {"<title>a.org - domain is for sale</title>", "<h1>Buy this domain</h1>",
          "<TITLE>This Domain May Be For Sale</TITLE>", "<h1>Die Domain ist zu verkaufen</h1>",
          "<h1>Die <b>Domain</b> steht zum Verkauf</h1>", "<h2>Diese Domain kaufen</h2>",
          "<title>Ce domaine est &agrave; vendre</title>",
          "<title>Ce domaine est peut-être à vendre</title>", "<h1>Acheter ce domaine</h1>",
          "<h1>Este dominio está a la venta</h1>", "<h1>Este dominio puede estar a la venta</h1>",
          "<h2>Comprar este dominio</h2>"})
        EXPECT_TRUE(ParkedPage::ForSale(page, html)) << html;
    for (const char* site :
         {"https://www.sedoparking.com/a.org", "http://ww1.parkingcrew.net/", "https://bodis.com/",
          "https://www.above.com/", "https://dan.com/buy-domain/a.org",
          "https://www.hugedomains.com/domain_profile.cfm?d=a.org"})
        EXPECT_TRUE(ParkedPage::ForSale(QUrl(QString::fromUtf8(site)), {})) << site;
    for (const char* html :
         {"<title>Games</title><p>buy this domain</p>", "<h1>Buy this book</h1>"})
        EXPECT_FALSE(ParkedPage::ForSale(page, html)) << html;
    EXPECT_FALSE(ParkedPage::ForSale(QUrl(u"http://notsedoparking.com.example/"_s), {}));
}
