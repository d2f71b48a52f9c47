#include "toolkit/SitePicture.h"

#include "toolkit/PageProcess.h"
#include "toolkit/QuietPage.h"

#include <QCoreApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace
{

constexpr QSize ViewSize(1024, 768);
constexpr QPoint OutOfSight(-32000, -32000);
// Touch icons that state no size are drawn at the size the touch screens of phones use.
constexpr int TouchIconSide = 180;
// Larger than any icon or shared picture a site means to be shown small.
constexpr qint64 MostBytes = 16 * 1024 * 1024;
constexpr int PaintWatchMs = 25;
// From the page drawn to its picture shown in the view, and its late pictures and fonts drawn too.
constexpr int SettleMs = 300;
// Chromium's code for a load cut short, which only the program itself does.
constexpr int LoadAborted = -3;

// Every link the page names with its relation and sizes, and its picture to share; the addresses
// made absolute. Run apart from the page's own script, which cannot change what it finds.
const QString ReadPageScript = uR"js(
(function () {
    var links = [];
    document.querySelectorAll('link[rel][href]').forEach(function (link) {
        links.push([link.rel.toLowerCase(), link.href, link.getAttribute('sizes') || '']);
    });
    var shared = document.querySelector('meta[property="og:image"], meta[name="og:image"]');
    var image = '';
    try {
        image = shared ? new URL(shared.content, document.baseURI).href : '';
    } catch (e) {
    }
    // A canvas reads any colour that CSS knows and gives it back as "#rrggbb" when opaque.
    var theme = document.querySelector('meta[name="theme-color"]');
    var color = '';
    if (theme) {
        var canvas = document.createElement('canvas').getContext('2d');
        canvas.fillStyle = '#010203';
        canvas.fillStyle = theme.content;
        color = canvas.fillStyle;
    }
    return {links: links, image: image, theme: color, title: document.title};
})()
)js"_s;

// Two animation frames on, the page has been drawn and its picture can be taken.
const QString WatchPaintScript =
    u"requestAnimationFrame(function () { requestAnimationFrame(function () { "
    u"window.qzPainted = true; }); });"_s;
const QString PaintedScript = u"window.qzPainted === true"_s;

// A drawing, which is as large as it is drawn: tried before any icon of pixels.
constexpr int AnySide = std::numeric_limits<int>::max();
// The placeholder that the canvas of ReadPageScript keeps for a colour it cannot read.
constexpr QColor Unreadable(1, 2, 3);

// The largest of sizes such as "32x32 192x192"; iUnstated when none is given.
int DeclaredSide(const QString& sSizes, int iUnstated)
{
    if (sSizes.trimmed().isEmpty())
        return iUnstated;
    int largest = 0;
    for (const QString& size : sSizes.split(u' ', Qt::SkipEmptyParts))
        largest =
            size.compare(u"any"_s, Qt::CaseInsensitive) == 0
                ? AnySide
                : std::max(largest,
                           size.section(u'x', 0, 0, QString::SectionCaseInsensitiveSeps).toInt());
    return largest;
}

// The top left of the page's first screen, where its logo and name usually are: a square of half
// the view's height, small enough that they can still be made out on the tile.
QImage LogoCorner(const QImage& view)
{
    const int side = view.height() / 2;
    return view.copy(0, 0, side, side);
}

QString Reason(const QWebEngineLoadingInfo& info)
{
    const int code = info.errorCode();
    switch (info.errorDomain()) {
    case QWebEngineLoadingInfo::HttpStatusCodeDomain:
        if (code == 404 || code == 410)
            return QCoreApplication::translate("SitePicture",
                                               "the site has no page at that address");
        return QCoreApplication::translate("SitePicture",
                                           "the site answered with error %1 instead of the page")
            .arg(code);
    case QWebEngineLoadingInfo::CertificateErrorDomain:
        return QCoreApplication::translate("SitePicture",
                                           "the site's security certificate is not valid");
    case QWebEngineLoadingInfo::DnsErrorDomain:
        return QCoreApplication::translate("SitePicture",
                                           "no site has that name, or the computer is not online");
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
        // Not resolved, offline, resolution failed.
        if (code == -105 || code == -106 || code == -137)
            return QCoreApplication::translate(
                "SitePicture", "no site has that name, or the computer is not online");
        return QCoreApplication::translate("SitePicture", "the site could not be reached");
    default:
        return QCoreApplication::translate("SitePicture", "the page could not be loaded");
    }
}

} // namespace

bool SitePicture::IsWebPage(const QUrl& url)
{
    return (url.scheme() == u"http"_s || url.scheme() == u"https"_s) && !url.host().isEmpty();
}

SitePicture::SitePicture(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] {
        const int seconds = (m_timeLimitMs + 999) / 1000;
        Fail(seconds == 1 ? tr("the site did not answer within a second")
                          : tr("the site did not answer within %1 seconds").arg(seconds));
    });
    m_paintWatch.setInterval(PaintWatchMs);
    connect(&m_paintWatch, &QTimer::timeout, this, [this] {
        m_page->runJavaScript(PaintedScript, QWebEngineScript::ApplicationWorld,
                              [this, fetch = m_fetch](const QVariant& painted) {
                                  if (Current(fetch) && painted.toBool() && m_paintWatch.isActive())
                                      TakeViewLater(fetch);
                              });
    });
}

// The pages go before their profile.
SitePicture::~SitePicture()
{
    Finish();
    m_view.reset();
    m_page.reset();
    m_pageBefore.reset();
}

// The web engine's part is made for the first site: a window that may never fetch one costs
// nothing.
void SitePicture::MakeView()
{
    m_profile = std::make_unique<QWebEngineProfile>();
    m_view = std::make_unique<QWebEngineView>();
    // Drawn, and so able to give its picture, but never on the screen; and no window the
    // program's end waits for. The web engine gives its view a window of the system's all the
    // same: one the window manager leaves alone, far outside the screen, that takes no input.
    m_view->setAttribute(Qt::WA_DontShowOnScreen);
    m_view->setAttribute(Qt::WA_QuitOnClose, false);
    m_view->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    m_view->setGeometry(QRect(OutOfSight, ViewSize));
}

void SitePicture::Fetch(const QUrl& url)
{
    Cancel();
    if (!m_view)
        MakeView();
    ++m_fetch;
    m_busy = true;
    m_loaded = false;
    m_triedRoot = false;
    m_theme = QColor();
    m_title.clear();
    auto page = std::make_unique<QuietPage>(m_profile.get(), nullptr);
    page->setAudioMuted(true);
    page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    connect(page.get(), &QWebEnginePage::loadingChanged, this,
            [this, page = page.get()](const QWebEngineLoadingInfo& info) {
                if (page == m_page.get())
                    Page_LoadingChanged(info);
            });
    m_view->setPage(page.get());
    m_pageBefore = std::exchange(m_page, std::move(page));
    m_view->show();
    m_timeLimit.start(m_timeLimitMs);
    m_page->load(url);
}

void SitePicture::Cancel()
{
    if (m_busy)
        Finish();
}

// Only the first load that ends counts: what the page's script loads later is not the site.
void SitePicture::Page_LoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (!m_busy || m_loaded)
        return;
    if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() != LoadAborted)
        Fail(Reason(info));
    if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus)
        return;
    m_loaded = true;
    m_page->runJavaScript(ReadPageScript, QWebEngineScript::ApplicationWorld,
                          [this, fetch = m_fetch](const QVariant& page) {
                              if (Current(fetch))
                                  ReadPage(page);
                          });
}

// The icons first, largest first, then the picture to share; the manifest's icons once read.
void SitePicture::ReadPage(const QVariant& page)
{
    const QVariantMap found = page.toMap();
    m_title = found.value(u"title"_s).toString();
    const QColor theme = QColor::fromString(found.value(u"theme"_s).toString());
    m_theme = theme == Unreadable ? QColor() : theme;
    QUrl manifest;
    for (const QVariant& entry : found.value(u"links"_s).toList()) {
        const QStringList link = entry.toStringList(); // relation, address, sizes
        const QStringList relation = link.value(0).split(u' ', Qt::SkipEmptyParts);
        if (relation.contains(u"apple-touch-icon"_s) ||
            relation.contains(u"apple-touch-icon-precomposed"_s))
            m_icons.append({QUrl(link.value(1)), DeclaredSide(link.value(2), TouchIconSide)});
        else if (relation.contains(u"icon"_s))
            m_icons.append({QUrl(link.value(1)), DeclaredSide(link.value(2), 0)});
        else if (relation.contains(u"manifest"_s))
            manifest = QUrl(link.value(1));
    }
    m_shared = QUrl(found.value(u"image"_s).toString());
    if (manifest.isEmpty())
        return TryNext();
    Download(manifest, [this, manifest](const QByteArray& bytes) {
        AddManifestIcons(manifest, bytes);
        TryNext();
    });
}

void SitePicture::AddManifestIcons(const QUrl& manifest, const QByteArray& bytes)
{
    for (const QJsonValue& icon : QJsonDocument::fromJson(bytes)[u"icons"_s].toArray())
        m_icons.append({manifest.resolved(QUrl(icon[u"src"_s].toString())),
                        DeclaredSide(icon[u"sizes"_s].toString(), 0)});
}

// Run first once every icon the page names is known. A site whose page names none may still
// keep them where browsers have always looked.
void SitePicture::TryNext()
{
    if (!std::exchange(m_triedRoot, true) && m_icons.isEmpty()) {
        const QUrl site = m_page->url();
        m_icons = {{site.resolved(QUrl(u"/apple-touch-icon.png"_s)), TouchIconSide},
                   {site.resolved(QUrl(u"/favicon.ico"_s)), 0}};
    }
    std::stable_sort(m_icons.begin(), m_icons.end(),
                     [](const Candidate& a, const Candidate& b) { return a.side > b.side; });
    if (!m_icons.isEmpty())
        return TryIcon(m_icons.takeFirst());
    if (m_shared.isValid() && !m_shared.isEmpty())
        return TryShared();
    if (!m_smallIcon.isNull())
        return Succeed(std::exchange(m_smallIcon, {}), PictureTile::Cut::Whole);
    TakeView();
}

void SitePicture::TryIcon(const Candidate& icon)
{
    Download(icon.url, [this](const QByteArray& bytes) {
        const QImage picture = PictureTile::Read(bytes, m_tileSide);
        if (2 * std::min(picture.width(), picture.height()) >= m_tileSide)
            return Succeed(picture, PictureTile::Cut::Whole);
        if (picture.width() * picture.height() > m_smallIcon.width() * m_smallIcon.height())
            m_smallIcon = picture;
        TryNext();
    });
}

void SitePicture::TryShared()
{
    Download(std::exchange(m_shared, QUrl()), [this](const QByteArray& bytes) {
        const QImage picture = PictureTile::Read(bytes, m_tileSide);
        if (!picture.isNull())
            return Succeed(picture, PictureTile::Cut::CentreSquare);
        TryNext();
    });
}

void SitePicture::TakeView()
{
    m_page->runJavaScript(WatchPaintScript, QWebEngineScript::ApplicationWorld);
    m_paintWatch.start();
}

void SitePicture::TakeViewLater(quint64 iFetch)
{
    m_paintWatch.stop();
    QTimer::singleShot(SettleMs, this, [this, iFetch] {
        if (Current(iFetch))
            Succeed(LogoCorner(m_view->grab().toImage()), PictureTile::Cut::Whole);
    });
}

// A failed download hands on no bytes. Only what the web offers is read: a page that names a file
// of the computer gets nothing of it.
void SitePicture::Download(const QUrl& url, const std::function<void(const QByteArray&)>& then)
{
    if (url.scheme() != u"http"_s && url.scheme() != u"https"_s && url.scheme() != u"data"_s)
        return then({});
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, m_profile->httpUserAgent());
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 iReceived, qint64) {
        if (iReceived > MostBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, then] {
        reply->deleteLater();
        if (reply != m_reply)
            return;
        m_reply = nullptr;
        then(reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray());
    });
}

void SitePicture::Finish()
{
    m_busy = false;
    m_timeLimit.stop();
    m_paintWatch.stop();
    m_icons.clear();
    m_shared.clear();
    m_smallIcon = QImage();
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr))
        reply->abort();
    // Done with or given up, the page goes with its process: its script may never end.
    if (m_page)
        EndPageProcess(*m_page);
}

void SitePicture::Succeed(const QImage& picture, PictureTile::Cut cut)
{
    Finish();
    if (picture.isNull())
        emit Failed(tr("the page showed nothing to take a picture of"));
    else
        emit Done(
            PictureTile::Make(picture, m_tileSide, m_theme.isValid() ? m_theme : m_ground, cut));
}

void SitePicture::Fail(const QString& sReason)
{
    Finish();
    emit Failed(sReason);
}
