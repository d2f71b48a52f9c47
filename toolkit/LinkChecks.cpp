#include "toolkit/LinkChecks.h"

#include <QNetworkAccessManager>
#include <QWebEngineProfile>

LinkChecks::LinkChecks(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)),
      // What Get Picture sends: the user agent of a web profile of its own.
      m_userAgent(QWebEngineProfile().httpUserAgent())
{
}

// Every check stops before the network that carries its reply goes.
LinkChecks::~LinkChecks()
{
    Cancel();
}

void LinkChecks::Start(const QStringList& addresses, const QString& sPageFolder)
{
    Cancel();
    m_addresses = addresses;
    m_pageFolder = sPageFolder;
    m_next = m_done = 0;
    m_onNetwork = m_namesUnknown = 0;
    const QList<LinkCheck*> checks = findChildren<LinkCheck*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < AtOnce; ++i) {
        LinkCheck* check = checks.value(i);
        if (!check) {
            check = new LinkCheck(m_network, m_userAgent, this);
            connect(check, &LinkCheck::Done, this,
                    [this, check](const LinkFinding& finding) { LinkCheck_Done(check, finding); });
        }
        check->SetTimeLimit(m_timeLimitMs);
        check->SetRetryDelay(m_retryDelayMs);
        if (m_next < m_addresses.size())
            Next(check);
    }
}

void LinkChecks::Cancel()
{
    m_next = m_addresses.size();
    for (LinkCheck* check : m_checking.keys())
        check->Cancel();
    m_checking.clear();
}

void LinkChecks::LinkCheck_Done(LinkCheck* check, const LinkFinding& finding)
{
    ++m_done;
    const qsizetype link = m_checking.take(check);
    if (SeemsOffline(finding)) {
        Cancel();
        emit Offline();
        return;
    }
    emit Found(link, finding);
    Next(check);
}

bool LinkChecks::SeemsOffline(const LinkFinding& finding)
{
    if (finding.kind == LinkFinding::NotChecked || m_onNetwork == OfflineAfter)
        return false;
    ++m_onNetwork;
    m_namesUnknown += finding.nameUnknown ? 1 : 0;
    return m_namesUnknown == OfflineAfter;
}

void LinkChecks::Next(LinkCheck* check)
{
    if (m_next < m_addresses.size()) {
        m_checking.insert(check, m_next);
        check->Check(m_addresses.at(m_next++), m_pageFolder);
    } else if (m_checking.isEmpty()) {
        emit Finished();
    }
}
