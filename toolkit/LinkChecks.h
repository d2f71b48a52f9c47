#pragma once

#include "toolkit/LinkCheck.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class QNetworkAccessManager;

// Checks a page's link addresses AtOnce at a time and tells what it found at each, by its index
// in the list given. A computer that is not online finds no name at all: when the first
// OfflineAfter addresses on the network all find none, it stops and says so instead.
class LinkChecks : public QObject
{
    Q_OBJECT

public:
    static constexpr int AtOnce = 4;
    static constexpr int OfflineAfter = 5;

    explicit LinkChecks(QObject* parent);
    ~LinkChecks() override;

    void SetTimeLimit(int iMs) { m_timeLimitMs = iMs; }
    void SetRetryDelay(int iMs) { m_retryDelayMs = iMs; }

    // sPageFolder is where the page lies, for the addresses that name a file beside it. Ends in
    // Finished, or in Offline; an empty list in neither.
    void Start(const QStringList& addresses, const QString& sPageFolder);
    // Stops the checks still to come or under way; what was found stays found.
    void Cancel();
    bool Busy() const { return !m_checking.isEmpty(); }
    qsizetype Done() const { return m_done; }
    qsizetype Count() const { return m_addresses.size(); }

signals:
    void Found(qsizetype iLink, const LinkFinding& finding);
    void Offline();
    void Finished();

private:
    void LinkCheck_Done(LinkCheck* check, const LinkFinding& finding);
    bool SeemsOffline(const LinkFinding& finding);
    void Next(LinkCheck* check);

    QNetworkAccessManager* m_network;
    QString m_userAgent;
    int m_timeLimitMs = LinkCheck::DefaultTimeLimitMs;
    int m_retryDelayMs = LinkCheck::DefaultRetryDelayMs;
    QStringList m_addresses;
    QString m_pageFolder;
    qsizetype m_next = 0;
    qsizetype m_done = 0;
    int m_onNetwork = 0;
    int m_namesUnknown = 0;
    QHash<LinkCheck*, qsizetype> m_checking;
};
