#pragma once

#include "toolkit/PictureTile.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

class QImage;
class QNetworkAccessManager;
class QNetworkReply;
class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineView;
class QuietPage;

// The picture a web site gives itself, fetched without a window and made a tile (PictureTile): the
// largest icon its page names (a touch icon, an icon with its sizes, the icons of its web app
// manifest, else the touch icon and the favicon at the site's root) of at least half the tile's
// side; else the picture it offers for sharing (og:image), its middle; else its largest icon of
// any size; else the top left of the page as it shows at 1024 by 768, where its logo usually is.
// The tile's ground is the site's theme-color when it names one. The page loads in a profile of
// its own that keeps nothing, and its script opens no dialog. One site at a time: each Fetch ends
// in Done or Failed, unless cancelled.
//
//     connect(picture, &SitePicture::Done, this, [](const QImage& tile) { ... });
//     picture->Fetch(QUrl(u"https://pbskids.org/"_s));
class SitePicture : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTileSide = 96;
    static constexpr int DefaultTimeLimitMs = 20000;

    // Only a web page, an http or https address with a host, has a site's picture to give.
    static bool IsWebPage(const QUrl& url);

    explicit SitePicture(QObject* parent);
    ~SitePicture() override;

    // How long a site is given from Fetch to its picture; a site slower than that has failed.
    void SetTimeLimit(int iMs) { m_timeLimitMs = iMs; }
    // The tile's side, and its ground when the site names no colour of its own.
    void SetTile(int iSide, const QColor& ground)
    {
        m_tileSide = iSide;
        m_ground = ground;
    }
    // The title of the page last fetched, once it has loaded; empty before.
    QString Title() const { return m_title; }

    // Starts on the site at url, cancelling the one before; also from a handler of Done or Failed.
    void Fetch(const QUrl& url);
    // Stops the site being fetched, which then ends in neither Done nor Failed.
    void Cancel();
    bool Busy() const { return m_busy; }

signals:
    void Done(const QImage& tile);
    // Why there is no picture, in plain words to end a sentence: "the site could not be reached".
    void Failed(const QString& sReason);

private:
    // An icon the page names, and the side it says it has; 0 when it says none.
    struct Candidate {
        QUrl url;
        int side = 0;
    };

    void MakeView();
    void Page_LoadingChanged(const QWebEngineLoadingInfo& info);
    void ReadPage(const QVariant& page);
    void AddManifestIcons(const QUrl& manifest, const QByteArray& bytes);
    void TryNext();
    void TryIcon(const Candidate& icon);
    void TryShared();
    void TakeView();
    void TakeViewLater(quint64 iFetch);
    void Download(const QUrl& url, const std::function<void(const QByteArray&)>& then);
    // Whether the fetch numbered iFetch is still under way: answers of an earlier one are dropped.
    bool Current(quint64 iFetch) const { return m_busy && iFetch == m_fetch; }
    void Finish();
    void Succeed(const QImage& picture, PictureTile::Cut cut);
    void Fail(const QString& sReason);

    int m_timeLimitMs = DefaultTimeLimitMs;
    std::unique_ptr<QWebEngineProfile> m_profile;
    // A page of its own for each site, so that nothing of an earlier one reaches the next. The
    // one before lives on until the next Fetch: a Fetch may come from a handler of its signals.
    std::unique_ptr<QuietPage> m_page;
    std::unique_ptr<QuietPage> m_pageBefore;
    std::unique_ptr<QWebEngineView> m_view;
    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timeLimit;
    QTimer m_paintWatch;
    bool m_busy = false;
    bool m_loaded = false;
    bool m_triedRoot = false;
    quint64 m_fetch = 0;
    QList<Candidate> m_icons;
    QUrl m_shared;
    // The largest icon tried that is too small to fill the tile: better than a view of the page.
    QImage m_smallIcon;
    int m_tileSide = DefaultTileSide;
    QColor m_ground = Qt::white;
    QColor m_theme;
    QString m_title;
};
