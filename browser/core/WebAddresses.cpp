#include "WebAddresses.h"

#include "Endpoints.h"

#include <QDir>

namespace web_addresses {

const SearchScript directorySearchScript{endpoints::makerHost, "/cgi-bin/annuaire/recherche.cgi", "tsearch", ""};
const SearchScript ferrovaneSearchScript{endpoints::ferrovaneHost, "/cgi-bin/meta-bin/nph-chatologica.pl", "qry",
                                         "&catg=web"};
const SearchScript quillaboSearchScript{endpoints::quillaboHost, "/gratuits/cgi-bin/search.cgi", "query", ""};
const SearchScript brumoloSearchScript{endpoints::brumoloHost, "/cgi-bin/links/search.cgi", "query", ""};
const SearchScript brumoloFrSearchScript{endpoints::brumoloFrHost, "/_vti_bin/links/search.cgi", "query", ""};

QString searchAddress(const SearchScript& script, const QString& words)
{
    return QStringLiteral("http://") + QLatin1String(script.host) + QLatin1String(script.path) + QLatin1Char('?') +
           QLatin1String(script.key) + QLatin1Char('=') + words + QLatin1String(script.suffix);
}

QString bannerPicture()
{
    return QStringLiteral("http://%1/dovrane/images/bandovrane.gif").arg(QLatin1String(endpoints::makerHost));
}

QString directorySearch(const QString& words)
{
    return searchAddress(directorySearchScript, words);
}

QUrl toUrl(const QString& address)
{
    return QUrl::fromUserInput(address, QDir::currentPath());
}

QString frontPage(const char* host)
{
    return QStringLiteral("http://") + QLatin1String(host);
}

QString directorySite()
{
    return frontPage(endpoints::directoryHost);
}

}  // namespace web_addresses
