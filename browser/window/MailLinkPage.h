#pragma once

#include <QWebEnginePage>

// A page that hands "mailto:" addresses to the system's mail program instead
// of loading them, whether a link leads there or the address is asked for.
class MailLinkPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

    // Hands a "mailto:" address over; false, doing nothing, for any other.
    static bool handOver(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};
