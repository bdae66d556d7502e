#pragma once

#include "FetchedPage.h"

#include <QNetworkAccessManager>
#include <QString>

#include <chrono>

// The main window's page downloader, Inet1: fetches the document at a web
// address afresh, with a plain GET. The fetch is synchronous for its caller;
// meanwhile the windows go on painting under a busy cursor but take no user
// input, so no other command can start until it returns.
class PageFetcher {
public:
    PageFetcher();

    // HTTP and HTTPS only; redirects are followed. The body comes whatever
    // the status, an error page's too. A transfer that brings no full answer
    // (refused, unknown host, cut off, silent for the time-out) or an address
    // of another kind (a local file, "about:blank", nothing at all) is a failure.
    FetchedPage fetch(const QString& address);

    // Longest silence of the server before the fetch gives up; 60 s.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

private:
    QNetworkAccessManager m_network;
    std::chrono::milliseconds m_timeout = std::chrono::seconds(60);
};
