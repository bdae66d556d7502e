#pragma once

#include "FetchedPage.h"

#include <QString>

// Inet1, the main window's page downloader: fetches the document at a web
// address afresh, for the source viewer and for saving a page.
class PageFetcher {
public:
    virtual ~PageFetcher() = default;
    // Synchronous for the caller; see NetworkPageFetcher for the rules.
    virtual FetchedPage fetch(const QString& address) = 0;
};
