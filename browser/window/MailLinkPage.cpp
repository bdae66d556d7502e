#include "MailLinkPage.h"

#include <QDesktopServices>

bool MailLinkPage::handOver(const QUrl& url)
{
    if (url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) != 0)
        return false;
    QDesktopServices::openUrl(url);
    return true;
}

bool MailLinkPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return !handOver(url) && QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}
