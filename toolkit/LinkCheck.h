#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// What a check found at a link's address.
struct LinkFinding {
    enum Kind {
        Fine,
        NotFound,       // 404 or 410, or no such host
        NoAnswer,       // no answer in time, refused, or an error 5xx: twice
        LeadsElsewhere, // the last address reached is on another site
        Moved,          // the address changed within its site
        ForSale,        // a parked domain's page
        NoScheme,       // typed without http:// or https://, which the page takes for a file
        NotChecked      // not a web address (mailto:, javascript:)
    };
    Kind kind = Fine;
    // Where the address led; for NoScheme the web address that answers, if one does.
    QUrl reached;
    // No name of the address could be found, as on a computer that is not online.
    bool nameUnknown = false;
};

// Tries one link's address as a web browser would, with the network as Get Picture sees it (its
// user agent, no cookies kept), following at most MostRedirects redirects, and ends in Done. A
// site that gives no answer is tried once more after the retry delay, so that a site busy for a
// moment is not reported.
class LinkCheck : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeLimitMs = 15000;
    static constexpr int DefaultRetryDelayMs = 3000;
    static constexpr int MostRedirects = 10;

    LinkCheck(QNetworkAccessManager* network, const QString& sUserAgent, QObject* parent);

    // How long one try may take, and the wait before the second.
    void SetTimeLimit(int iMs) { m_timeLimitMs = iMs; }
    void SetRetryDelay(int iMs) { m_retryDelayMs = iMs; }

    // sPageFolder is where the page lies: an address without a scheme names a file there.
    void Check(const QString& sAddress, const QString& sPageFolder);
    // Ends the check under way without Done.
    void Cancel();

signals:
    void Done(const LinkFinding& finding);

private:
    void Try();
    void Reply_Finished(QNetworkReply* reply);
    LinkFinding Judge(QNetworkReply* reply) const;
    void Conclude(const LinkFinding& finding);
    void Finish(const LinkFinding& finding);
    void FinishLater(const LinkFinding& finding);

    QNetworkAccessManager* m_network;
    QString m_userAgent;
    int m_timeLimitMs = DefaultTimeLimitMs;
    int m_retryDelayMs = DefaultRetryDelayMs;
    quint64 m_run = 0;
    // The addresses still to try: the link's own, or the web addresses of one without a scheme.
    QList<QUrl> m_tries;
    QUrl m_address;
    bool m_noScheme = false;
    bool m_retried = false;
    bool m_timedOut = false;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QTimer m_timeLimit;
};
