#pragma once

#include "PageFetcher.h"

#include <QNetworkAccessManager>
#include <QString>

#include <chrono>

// The main window's page downloader, Inet1, on Qt Network: fetches the
// document at a web address afresh, with a plain GET. The fetch is synchronous for its caller;
// meanwhile the windows go on painting under a busy cursor but take no user
// input, so no other command can start until it returns. Esc and the closing
// of a window end it at once: a page may be endless, or sent one byte at a time.
class NetworkPageFetcher : public PageFetcher {
public:
    // Bodies larger than this are not read further: far above any real page,
    // and small enough that the text box and the saved copy stay manageable.
    static constexpr qint64 sizeLimit = 32 * 1024 * 1024;

    explicit NetworkPageFetcher(std::chrono::milliseconds deadline = std::chrono::seconds(60));

    // HTTP and HTTPS only; redirects are followed. The body comes whatever
    // the status, an error page's too. A transfer that brings no full answer
    // (refused, unknown host, cut off, unfinished at the deadline, over the
    // size limit, ended by the user) or an address of another kind (a local
    // file, "about:blank", nothing at all) is a failure. A window whose closing
    // ended the fetch is closed once the caller is back in the event loop.
    FetchedPage fetch(const QString& address) override;

    // Longest time the whole fetch may take, whatever the server sends.
    void setDeadline(std::chrono::milliseconds deadline) { m_deadline = deadline; }

private:
    QNetworkAccessManager m_network;
    std::chrono::milliseconds m_deadline;
};
