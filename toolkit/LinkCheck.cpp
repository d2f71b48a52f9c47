#include "toolkit/LinkCheck.h"

#include "support/NativePath.h"
#include "support/SameSite.h"
#include "toolkit/ParkedPage.h"
#include "toolkit/SitePicture.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace
{

// Parking pages name what they are in their title and first headings.
constexpr qsizetype MostBytes = 256 * 1024;

// "mailto:", "javascript:", "http:": an address that says how it is to be opened.
bool HasScheme(const QString& sAddress)
{
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]*:"_s);
    return scheme.match(sAddress).hasMatch();
}

// The file that the page, lying in sFolder, opens for an address without a scheme.
bool FileBeside(const QString& sFolder, const QString& sAddress)
{
    const QString name =
        QUrl::fromPercentEncoding(sAddress.section(u'#', 0, 0).section(u'?', 0, 0).toUtf8());
    return QFileInfo(NativePath(sFolder + u'\\' + QString(name).replace(u'/', u'\\'))).isFile();
}

// "http://a.org" and "http://a.org/#top" are the same page.
QUrl PageOf(QUrl url)
{
    url.setFragment({});
    if (url.path().isEmpty())
        url.setPath(u"/"_s);
    return url.adjusted(QUrl::NormalizePathSegments);
}

bool Answered(const LinkFinding& finding)
{
    return finding.kind != LinkFinding::NotFound && finding.kind != LinkFinding::NoAnswer;
}

} // namespace

LinkCheck::LinkCheck(QNetworkAccessManager* network, const QString& sUserAgent, QObject* parent)
    : QObject(parent), m_network(network), m_userAgent(sUserAgent)
{
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            Reply_Finished(m_reply);
    });
}

void LinkCheck::Check(const QString& sAddress, const QString& sPageFolder)
{
    Cancel();
    // The page's browser passes over blanks around an address, as every browser does.
    const QString address = sAddress.trimmed();
    m_tries.clear();
    m_noScheme = false;
    if (SitePicture::IsWebPage(QUrl(address))) {
        m_tries = {QUrl(address)};
    } else if (address.isEmpty() || HasScheme(address)) {
        return FinishLater({LinkFinding::NotChecked, {}, false});
    } else if (FileBeside(sPageFolder, address)) {
        return FinishLater({LinkFinding::Fine, {}, false});
    } else {
        m_noScheme = true;
        for (const QString& scheme : {u"https://"_s, u"http://"_s})
            if (const QUrl web(scheme + address); SitePicture::IsWebPage(web))
                m_tries.append(web);
        if (m_tries.isEmpty())
            return FinishLater({LinkFinding::NoScheme, {}, false});
    }
    Try();
}

void LinkCheck::Cancel()
{
    ++m_run;
    m_retried = false;
    m_timeLimit.stop();
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

// The page is read as it comes, and only its beginning: nothing else of it is looked at.
void LinkCheck::Try()
{
    m_address = m_tries.constFirst();
    m_body.clear();
    m_timedOut = false;
    QNetworkRequest request(m_address);
    request.setHeader(QNetworkRequest::UserAgentHeader, m_userAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MostRedirects);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    // Where a redirect leads is what the check is for: every one is followed, up to the most.
    connect(reply, &QNetworkReply::redirected, reply, &QNetworkReply::redirectAllowed);
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        m_body += reply->read(MostBytes - m_body.size());
        if (m_body.size() >= MostBytes)
            Reply_Finished(reply);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Reply_Finished(reply); });
    m_timeLimit.start(m_timeLimitMs);
}

void LinkCheck::Reply_Finished(QNetworkReply* reply)
{
    m_reply = nullptr;
    m_timeLimit.stop();
    reply->disconnect(this);
    const LinkFinding finding = Judge(reply);
    reply->abort();
    reply->deleteLater();
    Conclude(finding);
}

LinkFinding LinkCheck::Judge(QNetworkReply* reply) const
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::HostNotFoundError)
        return {LinkFinding::NotFound, {}, true};
    if (status == 404 || status == 410)
        return {LinkFinding::NotFound, reply->url(), false};
    // No answer at all, a refused connection or a site in trouble; a 403 is an answer.
    if (m_timedOut || status == 0 || status >= 500)
        return {LinkFinding::NoAnswer, {}, false};
    const QUrl reached = reply->url();
    if (ParkedPage::ForSale(reached, m_body))
        return {LinkFinding::ForSale, reached, false};
    if (!SameSite::Same(m_address, reached))
        return {LinkFinding::LeadsElsewhere, reached, false};
    if (PageOf(reached) != PageOf(m_address))
        return {LinkFinding::Moved, reached, false};
    return {LinkFinding::Fine, reached, false};
}

// An address without a scheme is fixed by the first web address that answers as it should.
void LinkCheck::Conclude(const LinkFinding& finding)
{
    if (finding.kind == LinkFinding::NoAnswer && !m_retried) {
        m_retried = true;
        QTimer::singleShot(m_retryDelayMs, this, [this, run = m_run] {
            if (run == m_run)
                Try();
        });
        return;
    }
    m_retried = false;
    if (!m_noScheme)
        return Finish(finding);
    m_tries.removeFirst();
    if (finding.kind == LinkFinding::Fine || finding.kind == LinkFinding::Moved)
        return Finish({LinkFinding::NoScheme, m_address, false});
    if (Answered(finding))
        return Finish(finding);
    if (!m_tries.isEmpty())
        return Try();
    Finish({LinkFinding::NoScheme, {}, finding.nameUnknown});
}

void LinkCheck::Finish(const LinkFinding& finding)
{
    ++m_run;
    emit Done(finding);
}

// Done comes from the event loop, as after a try on the network, so that a caller that starts
// the next check from Done never nests one in another.
void LinkCheck::FinishLater(const LinkFinding& finding)
{
    QTimer::singleShot(0, this, [this, finding, run = ++m_run] {
        if (run == m_run)
            emit Done(finding);
    });
}
