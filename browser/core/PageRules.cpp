#include "PageRules.h"

#include "WebAddresses.h"

namespace page_rules {

QString caption(const QString& locationName)
{
    return QStringLiteral("Tavrello - ") + locationName;
}

bool replacesErrorPage(const QString& locationName, const QString& locationUrl, const QString& replacement)
{
    if (replacement.isEmpty() || locationName != QLatin1String(notFoundTitle))
        return false;
    if (locationUrl == replacement)
        return false;
    // The page view reports addresses in their normal form ("http://a/" for
    // "a", "file:///x" for "/x").
    auto normal = [](QUrl url) {
        if (url.path() == QLatin1String("/"))
            url.setPath(QString());
        return url.adjusted(QUrl::StripTrailingSlash);
    };
    const QUrl asVisited = web_addresses::toUrl(replacement);
    return !asVisited.isValid() || normal(asVisited) != normal(QUrl(locationUrl));
}

}  // namespace page_rules
