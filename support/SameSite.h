#pragma once

#include <QString>

class QUrl;

// Which site an address belongs to: its registrable domain by the Public Suffix List, so that
// "www.pbskids.org", "pbskids.org" and "kids.pbskids.org" are one site, while "example.co.uk" and
// "other.co.uk" are two. An IP address, or a host that has no registrable domain ("localhost"),
// is a site of its own.
namespace SameSite
{

QString Site(const QUrl& url);
bool Same(const QUrl& first, const QUrl& second);

} // namespace SameSite
