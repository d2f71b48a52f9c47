#pragma once

#include <QByteArray>

class QUrl;

// A page that offers its site's name for sale, as the pages of parked domains do: its title or a
// heading says so ("This domain may be for sale", in the languages the program speaks), or it
// comes from a domain-parking service. The one place that knows those words and services.
namespace ParkedPage
{

// Whether the page reached at url, whose first bytes are html, is such a page.
bool ForSale(const QUrl& url, const QByteArray& html);

} // namespace ParkedPage
