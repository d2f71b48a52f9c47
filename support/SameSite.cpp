#include "support/SameSite.h"

#include <QRegularExpression>
#include <QUrl>
#include <libpsl.h>
#include <memory>

namespace
{

// The newest list at hand, the system's own or the one built into the library; read once.
const psl_ctx_t* SuffixList()
{
    static const std::unique_ptr<psl_ctx_t, decltype(&psl_free)> list(psl_latest(nullptr),
                                                                      &psl_free);
    return list ? list.get() : psl_builtin();
}

// QUrl writes an IPv4 address as four numbers, and an IPv6 one, without its brackets, with ":".
bool IsAddress(const QString& sHost)
{
    static const QRegularExpression ipv4(QStringLiteral("^[0-9.]+$"));
    return sHost.contains(u':') || ipv4.match(sHost).hasMatch();
}

} // namespace

QString SameSite::Site(const QUrl& url)
{
    const QString host = url.host(QUrl::FullyDecoded).toLower();
    if (host.isEmpty() || IsAddress(host) || !SuffixList())
        return host;
    // The domain found is a part of the text given, which must outlive it.
    const QByteArray name = host.toUtf8();
    const char* domain = psl_registrable_domain(SuffixList(), name.constData());
    return domain ? QString::fromUtf8(domain) : host;
}

bool SameSite::Same(const QUrl& first, const QUrl& second)
{
    return Site(first) == Site(second);
}
