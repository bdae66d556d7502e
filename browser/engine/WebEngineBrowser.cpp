#include "WebEngineBrowser.h"

#include "DownloadHandler.h"
#include "Endpoints.h"
#include "FocusTracker.h"
#include "FrenchQuotes.h"
#include "MailLinkPage.h"
#include "PageContextMenu.h"
#include "PageFile.h"
#include "QtSavePathChooser.h"
#include "WebAddresses.h"
#include "WheelZoom.h"

#include <QDir>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace {

constexpr int errorNameNotResolved = -105;
constexpr int errorAborted = -3;

}  // namespace

WebEngineBrowser::WebEngineBrowser(QObject* parent) : WebEngineBrowser(std::make_unique<QtSavePathChooser>(), parent) {}

WebEngineBrowser::WebEngineBrowser(std::unique_ptr<SavePathChooser> saveChooser, QObject* parent)
    : BrowserComponent(parent)
    , m_view(new QWebEngineView)
    , m_saveChooser(std::move(saveChooser))
{
    createPage(*m_view);
    connect(&m_states, &PageLoadStates::statusText, this, &BrowserComponent::statusTextChange);
    connect(&m_states, &PageLoadStates::titleToTell, this, [this] { emit titleChange(m_page->title()); });
    connect(&m_states, &PageLoadStates::loadFinished, this, &BrowserComponent::loadFinished);
    connect(&m_states, &PageLoadStates::pageCrashed, this, &BrowserComponent::pageCrashed);
    connect(&m_states, &PageLoadStates::showHtml, this, [this](const QString& html, const QUrl& baseUrl) {
        m_view->setHtml(html, baseUrl);
    });
    auto* focus = new FocusTracker(*m_view, this);
    connect(focus, &FocusTracker::gotFocus, this, &BrowserComponent::gotFocus);
}

WebEngineBrowser::~WebEngineBrowser()
{
    // A view that no window holds goes first, while what its page reports to
    // is still here.
    if (m_view && !m_view->parent())
        delete m_view;
}

void WebEngineBrowser::createPage(QWebEngineView& view)
{
    // Our page before the view would make its default one when first shown.
    m_page = new MailLinkPage(&view);
    view.setPage(m_page);
    // Failures are shown by our own French pages, so that the server-not-found
    // page carries the name the main window recognises.
    m_page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);

    connect(m_page, &QWebEnginePage::loadStarted, this, [this] { m_states.started(); });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) { m_states.finished(ok); });
    connect(m_page, &QWebEnginePage::loadingChanged, this, &WebEngineBrowser::onLoadingChanged);
    connect(m_page, &QWebEnginePage::titleChanged, this, [this] { m_states.titleChanged(); });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, &WebEngineBrowser::onRendererEnded);
    connect(m_page, &QWebEnginePage::linkHovered, this, [this](const QString& url) {
        // The engine also clears the link at each new page, which would wipe
        // the text of the load under way.
        if (url.isEmpty() && !m_onLink)
            return;
        m_onLink = !url.isEmpty();
        emit statusTextChange(url);
    });
    // Not taking the request leaves no window behind; the address goes on.
    connect(m_page, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (!request.requestedUrl().isEmpty())
            emit newWindowRequested(request.requestedUrl().toString());
    });

    connect(m_page, &QWebEnginePage::findTextFinished, this, [this](const QWebEngineFindTextResult& result) {
        if (!m_endingSearch)
            emit findTextFinished(result.activeMatch(), result.numberOfMatches());
    });
    // The engine puts it back at each new page.
    m_page->setZoomFactor(m_zoomFactor);

    m_downloads = new DownloadHandler(m_page, *m_saveChooser, &view, this);
    connect(m_downloads, &DownloadHandler::statusText, this, &BrowserComponent::statusTextChange);

    new PageContextMenu(view, *this);
    new WheelZoom(view, *this);
}

QWidget* WebEngineBrowser::widget()
{
    return m_view;
}

void WebEngineBrowser::navigate(const QString& address)
{
    const QUrl url = address.isEmpty() ? QUrl(QStringLiteral("about:blank")) : web_addresses::toUrl(address);
    m_downloads->userActed();
    if (MailLinkPage::handOver(url))
        return;
    if (url.isEmpty()) {
        m_states.notAnAddress(address);
        return;
    }
    m_states.loadAsked();
    m_page->setUrl(url);
}

bool WebEngineBrowser::goBack()
{
    if (!m_page->history()->canGoBack())
        return false;
    m_view->back();
    return true;
}

bool WebEngineBrowser::goForward()
{
    if (!m_page->history()->canGoForward())
        return false;
    m_view->forward();
    return true;
}

void WebEngineBrowser::refresh()
{
    if (const auto failed = m_states.failedAddress())
        navigate(*failed);  // try the page that failed again
    else
        m_view->reload();
}

void WebEngineBrowser::stop()
{
    m_view->stop();
    // The user may stop a download the same way as a page.
    m_downloads->cancelAll();
}

void WebEngineBrowser::goHome()
{
    navigate(QString::fromUtf8(endpoints::systemHome));
}

void WebEngineBrowser::goSearch()
{
    navigate(QString::fromUtf8(endpoints::systemSearch));
}

QString WebEngineBrowser::locationUrl() const
{
    if (const auto failed = m_states.failedAddress())
        return *failed;
    return m_page->url().toString();
}

QString WebEngineBrowser::locationName() const
{
    return m_page->title();
}

void WebEngineBrowser::findText(const QString& text, bool matchCase, bool backward)
{
    // The engine takes the same text again as a step to the next match, under
    // the case rule it was first given.
    if (matchCase != m_findMatchCase) {
        m_endingSearch = true;
        m_page->findText(QString());
        m_endingSearch = false;
        m_findMatchCase = matchCase;
    }
    QWebEnginePage::FindFlags flags;
    flags.setFlag(QWebEnginePage::FindCaseSensitively, matchCase);
    flags.setFlag(QWebEnginePage::FindBackward, backward);
    m_page->findText(text, flags);
}

qreal WebEngineBrowser::zoomFactor() const
{
    return m_zoomFactor;
}

void WebEngineBrowser::setZoomFactor(qreal factor)
{
    m_zoomFactor = factor;
    m_page->setZoomFactor(factor);
}

void WebEngineBrowser::print()
{
    if (m_printer)
        return;  // a page still going to the printer
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QWebEngineView* view = m_view;
    QPrintDialog dialog(printer.get(), view->window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The engine draws the page into the printer after this returns.
    m_printer = std::move(printer);
    connect(
        view, &QWebEngineView::printFinished, this,
        [this](bool ok) {
            m_printer.reset();
            emit statusTextChange(ok ? QStringLiteral("Page envoyée à l'imprimante.")
                                     : QStringLiteral("Impossible d'imprimer la page : l'imprimante l'a refusée."));
        },
        Qt::SingleShotConnection);
    view->print(m_printer.get());
}

void WebEngineBrowser::saveAsPdf()
{
    QString name = m_page->title();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.trimmed().isEmpty())
        name = QStringLiteral("page");
    const QString path = m_saveChooser->choose(
        m_view, QDir(m_page->profile()->downloadPath()).filePath(name + QStringLiteral(".pdf")));
    if (path.isEmpty())
        return;
    m_page->printToPdf([this, path, page = QPointer<QWebEnginePage>(m_page)](const QByteArray& pdf) {
        if (!page)
            return;  // the view went first
        const QString failure = page_file::writePdf(path, pdf);
        emit statusTextChange(
            failure.isEmpty()
                ? QStringLiteral("Page enregistrée en PDF : %1").arg(quoted(QDir::toNativeSeparators(path)))
                : failure);
    });
}

void WebEngineBrowser::onLoadingChanged(const QWebEngineLoadingInfo& info)
{
    const bool failed = info.status() == QWebEngineLoadingInfo::LoadFailedStatus;
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus || (failed && info.errorCode() == errorAborted))
        m_states.stopped();
    else if (failed && info.errorDomain() == QWebEngineLoadingInfo::ConnectionErrorDomain)
        m_states.connectionFailed(info.url(), info.errorCode() == errorNameNotResolved, info.errorCode(),
                                  info.errorString());
    else if (failed)
        m_states.otherFailure();
}

void WebEngineBrowser::onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status)
{
    using failure_reasons::RendererEnd;
    RendererEnd end = RendererEnd::Other;
    switch (status) {
    case QWebEnginePage::NormalTerminationStatus: return;
    case QWebEnginePage::CrashedTerminationStatus: end = RendererEnd::Crashed; break;
    case QWebEnginePage::KilledTerminationStatus: end = RendererEnd::Killed; break;
    case QWebEnginePage::AbnormalTerminationStatus: break;
    }
    m_states.rendererEnded(end, m_page->url().toString());
}
