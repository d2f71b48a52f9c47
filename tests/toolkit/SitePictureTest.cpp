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

// What a fetch ended in: the picture's size and the colour at its middle, or why it failed.
QString Fetched(SitePicture& picture, const QString& sUrl)
{
    QString result;
    const QObject fetch; // the connections end with it
    QObject::connect(&picture, &SitePicture::Done, &fetch, [&](const QImage& image) {
        result = u"%1x%2 %3"_s.arg(image.width())
                     .arg(image.height())
                     .arg(image.pixelColor(image.width() / 2, image.height() / 2).name());
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

// The largest icon of at least 96 pixels, from the page or its manifest; else the picture to
// share; else the top of the page as it shows. Failures say why in plain words.
TEST(SitePicture, TakesTheLargestIconElseTheSharedPictureElseTheViewOfThePage)
{
    LocalSite site;
    site.Serve("/icons.html", LocalSite::Page(R"(<link rel="icon" sizes="16x16" href="small.png">
                   <link rel="apple-touch-icon" href="/touch.png">
                   <link rel="icon" sizes="64x64 192x192" href="/big.png">
                   <meta property="og:image" content="/share.png">)"));
    site.Serve("/manifest.html", LocalSite::Page(R"(<link rel="manifest" href="/app/m.json">
                   <link rel="apple-touch-icon" href="/tiny.png">)"));
    site.Serve("/app/m.json", R"({"icons": [{"src": "i48.png", "sizes": "48x48"},
                                {"src": "i256.png", "sizes": "256x256"}]})",
               "application/manifest+json");
    site.Serve("/shared.html", LocalSite::Page(R"(<meta property="og:image" content="share.png">
                   <link rel="icon" sizes="any" href="/vector.svg">)"));
    site.Serve("/plain.html", LocalSite::Page("<style>body { background: #3060c0 }</style>"));
    // A picture of the computer's own, which the page must not have.
    const TempAppFolder own;
    own.WriteFile(u"own.png"_s, LocalSite::Png({200, 200}, Qt::magenta));
    site.Serve("/own.html", "<link rel=apple-touch-icon href='" +
                                QUrl::fromLocalFile(own.NativeFile(u"own.png"_s)).toEncoded() +
                                "'><meta property=og:image content=/share.png>");
    site.Redirect("/old", "/icons.html");
    site.Hang("/slow.html");
    site.Serve("/busy.html", LocalSite::Page({}, "<script>for (;;) {}</script>"));
    const std::tuple<QByteArray, QSize, QColor> pictures[] = {
        {"/small.png", {48, 48}, Qt::black},  {"/touch.png", {180, 180}, Qt::red},
        {"/big.png", {192, 192}, Qt::green},  {"/share.png", {300, 200}, Qt::blue},
        {"/tiny.png", {48, 48}, Qt::cyan},    {"/app/i256.png", {256, 256}, Qt::yellow},
        {"/app/i48.png", {48, 48}, Qt::gray}, {"/vector.svg", {48, 48}, Qt::white},
    };
    for (const auto& [path, size, color] : pictures)
        site.Serve(path, LocalSite::Png(size, color), "image/png");
    const QString nobody = LocalSite().Url("/"); // a site gone, its port closed

    // The address, the time limit in seconds, and the fetch's end.
    const std::tuple<QString, int, QString> cases[] = {
        {site.Url("/icons.html"), 10, u"192x192 #00ff00"_s},
        {site.Url("/manifest.html"), 10, u"256x256 #ffff00"_s},
        {site.Url("/shared.html"), 10, u"300x200 #0000ff"_s},
        {site.Url("/plain.html"), 10, u"1024x768 #3060c0"_s},
        {site.Url("/own.html"), 10, u"300x200 #0000ff"_s},
        {site.Url("/old"), 10, u"192x192 #00ff00"_s},
        {site.Url("/missing.html"), 10, u"the site has no page at that address"_s},
        {site.Url("/slow.html"), 1, u"the site did not answer within a second"_s},
        {nobody, 10, u"the site could not be reached"_s},
        {site.Url("/busy.html"), 1, u"the site did not answer within a second"_s},
    };
    SitePicture picture(nullptr);
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
