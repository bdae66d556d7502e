#include "WebAddresses.h"

#include "Endpoints.h"

#include <QDir>

namespace web_addresses {

QString bannerPicture()
{
    return QStringLiteral("http://%1/dovrane/images/bandovrane.gif").arg(QLatin1String(endpoints::makerHost));
}

QString directorySearch(const QString& words)
{
    return QStringLiteral("http://") + QLatin1String(endpoints::makerHost)
        + QStringLiteral("/cgi-bin/annuaire/recherche.cgi?tsearch=") + words;
}

QUrl toUrl(const QString& address)
{
    return QUrl::fromUserInput(address, QDir::currentPath());
}

QString directorySite()
{
    return QStringLiteral("http://") + QLatin1String(endpoints::directoryHost);
}

}  // namespace web_addresses
