#include "LateFetcher.h"

#include <utility>

LateFetcher::LateFetcher(Maker make) : m_make(std::move(make)) {}

FetchedPage LateFetcher::fetch(const QString& address)
{
    if (!m_fetcher && m_unavailable.isEmpty())
        m_fetcher = m_make(m_unavailable);
    if (!m_fetcher) {
        FetchedPage none;
        none.failure = m_unavailable;
        return none;
    }
    return m_fetcher->fetch(address);
}
