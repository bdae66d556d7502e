#include "PageLoadStates.h"

#include "ErrorPages.h"

#include <utility>

namespace {

const QString opening = QStringLiteral("Ouverture de la page...");
const QString done = QStringLiteral("Terminé");
const QString loadError = QStringLiteral("Erreur de chargement");

}  // namespace

PageLoadStates::PageLoadStates(Output& output) : m_output(output) {}

void PageLoadStates::loadAsked()
{
    // The error page is left for the page asked for, whose load is told.
    if (m_shown == Shown::ErrorPageLoading)
        m_shown = Shown::ErrorPage;
}

void PageLoadStates::notAnAddress(const QString& text)
{
    showErrorPage(text, QUrl(), error_pages::notAnAddress(text));
}

void PageLoadStates::started()
{
    m_loadUnderWay = true;
    if (m_shown == Shown::ErrorPageLoading)
        return;
    m_shown = Shown::Page;
    m_output.tellStatus(opening);
}

void PageLoadStates::finished(bool ok)
{
    m_loadUnderWay = false;
    if (m_crash) {
        showCrashPage();
        return;
    }
    if (m_shown == Shown::ErrorPageLoading) {
        m_shown = Shown::ErrorPage;
        m_output.tellStatus(done);
        // Told once the page is shown, not while it loads: a navigation asked
        // for by a listener must not race the error page. The engine would
        // also stay silent when the name equals the one shown before.
        m_output.tellTitle();
        m_output.tellLoadFinished(false);
        return;
    }
    // A failure is told once the engine says what ended the load.
    if (ok)
        m_output.tellStatus(done);
    m_output.tellLoadFinished(ok);
}

void PageLoadStates::stopped()
{
    if (m_shown != Shown::ErrorPageLoading)
        m_output.tellStatus(done);
}

void PageLoadStates::connectionFailed(const QUrl& url, bool serverNotFound, int errorCode, const QString& engineText)
{
    if (m_shown == Shown::ErrorPageLoading)
        return;
    const QString address = url.toString();
    showErrorPage(address, url,
                  serverNotFound ? error_pages::serverNotFound(address)
                                 : error_pages::loadFailed(errorCode, engineText, address));
}

void PageLoadStates::otherFailure()
{
    if (m_shown != Shown::ErrorPageLoading)
        m_output.tellStatus(loadError);
}

void PageLoadStates::titleChanged()
{
    if (m_shown != Shown::ErrorPageLoading)
        m_output.tellTitle();
}

void PageLoadStates::rendererEnded(failure_reasons::RendererEnd end, const QString& pageAddress)
{
    // The view would stay a grey area, with the status line telling nothing.
    m_crash = Crash{end, m_shown == Shown::Page ? pageAddress : m_failedAddress};
    // A load under way ends as a failure right after; the page is shown then,
    // or that end would be taken for the page's own.
    if (!m_loadUnderWay)
        showCrashPage();
}

std::optional<QString> PageLoadStates::failedAddress() const
{
    if (m_shown == Shown::Page)
        return std::nullopt;
    return m_failedAddress;
}

void PageLoadStates::showErrorPage(const QString& failedAddress, const QUrl& baseUrl, const QString& html)
{
    m_failedAddress = failedAddress;
    m_shown = Shown::ErrorPageLoading;
    m_output.showHtml(html, baseUrl);
}

void PageLoadStates::showCrashPage()
{
    const Crash crash = *std::exchange(m_crash, std::nullopt);
    showErrorPage(crash.address, QUrl(), error_pages::rendererEnded(crash.end, crash.address));
    m_output.tellPageCrashed();
}
