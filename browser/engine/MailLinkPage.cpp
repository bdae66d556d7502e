#include "MailLinkPage.h"

#include <QDesktopServices>

namespace {

bool isMailAddress(const QUrl& url)
{
    return url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool MailLinkPage::handOver(const QUrl& url)
{
    if (!isMailAddress(url))
        return false;
    QDesktopServices::openUrl(url);
    return true;
}

bool MailLinkPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (!isMailAddress(url))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // A script, a sub-frame or a redirect could open mail windows in a loop:
    // those are dropped without a word, as a blocked pop-up is.
    if (type == NavigationTypeLinkClicked && isMainFrame)
        handOver(url);
    return false;
}
