#pragma once

#include "PageFetcher.h"

#include <functional>
#include <memory>

// The page downloader of the engine's module, made at the first fetch: the
// module's libraries cost nothing before. When the module cannot be had, every
// fetch fails with the reason, in French.
class LateFetcher : public PageFetcher {
public:
    // Makes the downloader, or says in French why it cannot.
    using Maker = std::function<std::unique_ptr<PageFetcher>(QString& whyNot)>;

    explicit LateFetcher(Maker make);

    FetchedPage fetch(const QString& address) override;

private:
    Maker m_make;
    std::unique_ptr<PageFetcher> m_fetcher;
    QString m_unavailable;  // why there is none, once tried
};
