#pragma once

#include <QWebEnginePage>

// A page that hands "mailto:" addresses to the system's mail program instead
// of loading them: a link of the page itself that the user clicked, or an
// address asked for. Any other way there is dropped.
class MailLinkPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

    // Hands a "mailto:" address over; false, doing nothing, for any other.
    static bool handOver(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};
