#pragma once

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

// The picture a web site gives itself, fetched without a window: the largest icon its page names
// of at least SmallestIcon pixels (a touch icon, an icon with its sizes, the icons of its web app
// manifest), else the picture it offers for sharing (og:image), else a view of the top of the page
// as it shows at 1024 by 768. The page loads in a profile of its own that keeps nothing, and its
// script opens no dialog. One site at a time: each Fetch ends in Done or Failed, unless cancelled.
//
//     connect(picture, &SitePicture::Done, this, [](const QImage& image) { ... });
//     picture->Fetch(QUrl(u"https://pbskids.org/"_s));
class SitePicture : public QObject
{
    Q_OBJECT

public:
    static constexpr int SmallestIcon = 96;
    static constexpr int DefaultTimeLimitMs = 20000;

    // Only a web page, an http or https address with a host, has a site's picture to give.
    static bool IsWebPage(const QUrl& url);

    explicit SitePicture(QObject* parent);
    ~SitePicture() override;

    // How long a site is given from Fetch to its picture; a site slower than that has failed.
    void SetTimeLimit(int iMs) { m_timeLimitMs = iMs; }

    // Starts on the site at url, cancelling the one before; also from a handler of Done or Failed.
    void Fetch(const QUrl& url);
    // Stops the site being fetched, which then ends in neither Done nor Failed.
    void Cancel();
    bool Busy() const { return m_busy; }

signals:
    void Done(const QImage& picture);
    // Why there is no picture, in plain words to end a sentence: "the site could not be reached".
    void Failed(const QString& sReason);

private:
    // A picture the page names, and the side it says it has; 0 for the picture to share.
    struct Candidate {
        QUrl url;
        int side = 0;
    };

    void MakeView();
    void Page_LoadingChanged(const QWebEngineLoadingInfo& info);
    void ReadPage(const QVariant& page);
    void AddManifestIcons(const QUrl& manifest, const QByteArray& bytes);
    void TryNext();
    void TakeView();
    void TakeViewLater(quint64 iFetch);
    void Download(const QUrl& url, const std::function<void(const QByteArray&)>& then);
    // Whether the fetch numbered iFetch is still under way: answers of an earlier one are dropped.
    bool Current(quint64 iFetch) const { return m_busy && iFetch == m_fetch; }
    void Finish();
    void Succeed(const QImage& picture);
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
    quint64 m_fetch = 0;
    QList<Candidate> m_candidates;
};
