#include "toolkit/SitePicture.h"

#include "common/LocalSite.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace
{

// What a fetch ended in: the tile's size and its colours at the middle, the top left corner, a
// little in from the left and at the right edge; or why it failed.
QString Fetched(SitePicture& picture, const QString& sUrl)
{
    QString result;
    const QObject fetch; // the connections end with it
    QObject::connect(&picture, &SitePicture::Done, &fetch, [&](const QImage& image) {
        const int w = image.width(), h = image.height();
        result = u"%1x%2"_s.arg(w).arg(h);
        for (const QPoint at :
             {QPoint(w / 2, h / 2), QPoint(0, 0), QPoint(10, h / 2), QPoint(w - 1, h / 2)})
            result += u' ' + image.pixelColor(at).name();
    });
    QObject::connect(&picture, &SitePicture::Failed, &fetch,
                     [&](const QString& why) { result = why; });
    picture.Fetch(QUrl(sUrl));
    WaitUntil([&] { return !result.isEmpty(); }, 30000);
    return result;
}

// The processor time, in ticks, used so far by the processes that this test started: the web
// engine's, which run the pages' scripts.
qint64 HelpersTicks()
{
    QHash<qint64, std::pair<qint64, qint64>> processes; // parent, ticks
    for (const QString& process : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        const QByteArray stat = ReadFile(u"/proc/%1/stat"_s.arg(process));
        // After the name: the state, the parent, ... the user and system time (12th and 13th).
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        processes.insert(process.toLongLong(),
                         {fields.value(1).toLongLong(),
                          fields.value(11).toLongLong() + fields.value(12).toLongLong()});
    }
    qint64 sum = 0;
    for (auto process = processes.cbegin(); process != processes.cend(); ++process) {
        qint64 up = process.value().first;
        while (up > 1 && up != getpid())
            up = processes.value(up).first;
        sum += up == getpid() ? process.value().second : 0;
    }
    return sum;
}

// A tile of 64 pixels: the largest icon of at least 32 from the page or its manifest, or the
// site's root when the page names none; else the middle of the picture to share; else the largest
// icon, at most twice its size, on the site's theme colour or the ground given; else the top left
// of the page as it shows. Failures say why in plain words.
TEST(SitePicture, MakesATileOfTheLargestIconElseTheSharedPictureElseTheViewOfThePage)
{
    LocalSite site, rootIcon;
    site.Serve("/icons.html", LocalSite::Page(R"(<link rel="icon" sizes="16x16" href="small.png">
                   <link rel="apple-touch-icon" href="/touch.png">
                   <link rel="icon" sizes="64x64 192x192" href="/big.png">
                   <meta property="og:image" content="/share.png">)"));
    site.Serve("/manifest.html", LocalSite::Page(R"(<link rel="manifest" href="/app/m.json">
                   <link rel="apple-touch-icon" href="/tiny.png">)"));
    site.Serve("/app/m.json", R"({"icons": [{"src": "i24.png", "sizes": "24x24"},
                                {"src": "i256.png", "sizes": "256x256"}]})",
               "application/manifest+json");
    site.Serve("/shared.html", LocalSite::Page(R"(<meta property="og:image" content="share.png">
                   <link rel="icon" sizes="16x16" href="/f16.png">)"));
    site.Serve("/themed.html", LocalSite::Page(R"(<meta name="theme-color" content="orange">
                   <link rel="icon" sizes="16x16" href="/f16.png">)"));
    site.Serve("/small.html", LocalSite::Page(R"(<link rel="icon" href="/f16.png">)"));
    site.Serve("/vector.html", LocalSite::Page(R"(<link rel="icon" href="/v.svg">)"));
    site.Serve("/v.svg",
               R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 4 4"><rect width="4"
                   height="4" fill="#008000"/></svg>)",
               "image/svg+xml");
    site.Serve("/plain.html",
               LocalSite::Page("<style>body { background: #3060c0 } div { position: fixed; top: 0;"
                               " right: 0; width: 256px; height: 100%; background: red }</style>",
                               "<div></div>"));
    rootIcon.Serve("/", LocalSite::Page({}));
    rootIcon.Serve("/favicon.ico", LocalSite::Picture({48, 48}, Qt::magenta, "ICO"),
                   "image/x-icon");
    // A picture of the computer's own, which the page must not have.
    const TempAppFolder own;
    own.WriteFile(u"own.png"_s, LocalSite::Picture({200, 200}, Qt::magenta));
    site.Serve("/own.html", "<link rel=apple-touch-icon href='" +
                                QUrl::fromLocalFile(own.NativeFile(u"own.png"_s)).toEncoded() +
                                "'><meta property=og:image content=/share.png>");
    site.Redirect("/old", "/icons.html");
    site.Hang("/slow.html");
    site.Serve("/busy.html", LocalSite::Page({}, "<script>for (;;) {}</script>"));
    const std::tuple<QByteArray, QSize, QColor> pictures[] = {
        {"/small.png", {24, 24}, Qt::black},  {"/touch.png", {180, 180}, Qt::red},
        {"/big.png", {192, 192}, Qt::green},  {"/share.png", {300, 200}, Qt::blue},
        {"/tiny.png", {24, 24}, Qt::cyan},    {"/app/i256.png", {256, 256}, Qt::yellow},
        {"/app/i24.png", {24, 24}, Qt::gray}, {"/f16.png", {16, 16}, Qt::black},
    };
    for (const auto& [path, size, color] : pictures)
        site.Serve(path, LocalSite::Picture(size, color), "image/png");
    const QString nobody = LocalSite().Url("/"); // a site gone, its port closed
    const QString green = u"64x64 #00ff00 #00ff00 #00ff00 #00ff00"_s;
    const QString blue = u"64x64 #0000ff #0000ff #0000ff #0000ff"_s;

    // The address, the time limit in seconds, and the fetch's end.
    const std::tuple<QString, int, QString> cases[] = {
        {site.Url("/icons.html"), 10, green},
        {site.Url("/manifest.html"), 10, u"64x64 #ffff00 #ffff00 #ffff00 #ffff00"_s},
        {site.Url("/shared.html"), 10, blue},
        {site.Url("/themed.html"), 10, u"64x64 #000000 #ffa500 #ffa500 #ffa500"_s},
        {site.Url("/small.html"), 10, u"64x64 #000000 #808080 #808080 #808080"_s},
        {rootIcon.Url("/"), 10, u"64x64 #ff00ff #ff00ff #ff00ff #ff00ff"_s},
        {site.Url("/vector.html"), 10, u"64x64 #008000 #008000 #008000 #008000"_s},
        {site.Url("/plain.html"), 10, u"64x64 #3060c0 #3060c0 #3060c0 #3060c0"_s},
        {site.Url("/own.html"), 10, blue},
        {site.Url("/old"), 10, green},
        {site.Url("/missing.html"), 10, u"the site has no page at that address"_s},
        {site.Url("/slow.html"), 1, u"the site did not answer within a second"_s},
        {nobody, 10, u"the site could not be reached"_s},
        {site.Url("/busy.html"), 1, u"the site did not answer within a second"_s},
    };
    SitePicture picture(nullptr);
    picture.SetTile(64, QColor(128, 128, 128));
    for (const auto& [url, seconds, expected] : cases) {
        picture.SetTimeLimit(seconds * 1000);
        EXPECT_EQ(Fetched(picture, url), expected) << qPrintable(url);
    }
    // Given up, the page whose script never ends keeps no core busy: 200 ticks in two seconds.
    const qint64 ticks = HelpersTicks();
    WaitUntil([] { return false; }, 2000);
    EXPECT_LT(HelpersTicks() - ticks, 30);
}

} // namespace
