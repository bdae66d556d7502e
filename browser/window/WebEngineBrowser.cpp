#include "WebEngineBrowser.h"

#include "ContextMenuEntries.h"
#include "DownloadHandler.h"
#include "Endpoints.h"
#include "FrenchQuotes.h"
#include "PageRules.h"
#include "QtSavePathChooser.h"
#include "WebAddresses.h"

#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <QDesktopServices>
#include <QEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QTimer>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

namespace {

constexpr int errorNameNotResolved = -105;
constexpr int errorAborted = -3;

bool isMailAddress(const QUrl& url)
{
    return url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0;
}

// Hands "mailto:" links to the system's mail program instead of loading them.
class Page : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (isMailAddress(url)) {
            QDesktopServices::openUrl(url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
};

// The engine's connection failures, in the user's words; its own text (in
// English) only for the rare ones.
QString loadFailureReason(int errorCode, const QString& engineText)
{
    switch (errorCode) {
    case -100:  // connection closed
    case -101:  // connection reset
    case -103:  // connection aborted
        return QStringLiteral("la connexion avec le serveur a été interrompue");
    case -102: return QStringLiteral("le serveur a refusé la connexion");
    case -104:
    case -109:  // address unreachable
        return QStringLiteral("le serveur est injoignable");
    case -106: return QStringLiteral("l'ordinateur n'est pas connecté au réseau");
    case -107:  // secure connection
        return QStringLiteral("la connexion sécurisée avec le serveur a échoué");
    case -108: return QStringLiteral("l'adresse n'est pas valide");
    case -118: return QStringLiteral("le serveur n'a pas répondu à temps");
    case -130: return QStringLiteral("le serveur proxy est injoignable");
    case -138: return QStringLiteral("l'accès au réseau est refusé");
    default: return engineText;
    }
}

QString errorPageHtml(const QString& title, const QString& message, const QUrl& failedUrl)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\"><title>%1</title>"
                          "<style>body{font-family:sans-serif;margin:2em;color:#222}h1{font-size:1.3em}</style>"
                          "</head><body><h1>%1</h1><p>%2</p><p><code>%3</code></p>"
                          "<ul><li>Vérifiez l'orthographe de l'adresse.</li>"
                          "<li>Vérifiez que votre ordinateur est connecté au réseau.</li>"
                          "<li>Cliquez sur %4 pour essayer à nouveau.</li></ul></body></html>")
        .arg(title.toHtmlEscaped(), message.toHtmlEscaped(), failedUrl.toDisplayString().toHtmlEscaped(),
             quoted(QStringLiteral("Actualiser")));
}

}  // namespace

WebEngineBrowser::WebEngineBrowser(QObject* parent) : WebEngineBrowser(std::make_unique<QtSavePathChooser>(), parent) {}

WebEngineBrowser::WebEngineBrowser(std::unique_ptr<SavePathChooser> saveChooser, QObject* parent)
    : BrowserComponent(parent)
    , m_view(new QWebEngineView)
    , m_viewWidget(m_view.data())
    , m_saveChooser(std::move(saveChooser))
{
    // The view takes its place in the keyboard order before the engine gives
    // it the widget that really receives the focus.
    m_view->setFocusPolicy(Qt::StrongFocus);
    watchForFocus(m_view);
    // Our page before the view would make its default one when first shown.
    createPage();
    connect(qApp, &QApplication::focusChanged, this, &WebEngineBrowser::onFocusChanged);
}

void WebEngineBrowser::createPage()
{
    m_page = new Page(m_view);
    m_view->setPage(m_page);
    // Failures are shown by our own French pages, so that the server-not-found
    // page carries the name the main window recognises.
    m_page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);

    connect(m_page, &QWebEnginePage::loadStarted, this, &WebEngineBrowser::onLoadStarted);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebEngineBrowser::onLoadFinished);
    connect(m_page, &QWebEnginePage::loadingChanged, this, &WebEngineBrowser::onLoadingChanged);
    connect(m_page, &QWebEnginePage::titleChanged, this, &WebEngineBrowser::onTitleChanged);
    connect(m_page, &QWebEnginePage::linkHovered, this, [this](const QString& url) { emit statusTextChange(url); });
    // Not taking the request leaves no window behind; the address goes on.
    connect(m_page, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (!request.requestedUrl().isEmpty())
            emit newWindowRequested(request.requestedUrl().toString());
    });

    m_downloads = new DownloadHandler(m_page, *m_saveChooser, m_view, this);
    connect(m_downloads, &DownloadHandler::statusText, this, &BrowserComponent::statusTextChange);

    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &WebEngineBrowser::showContextMenu);
}

WebEngineBrowser::~WebEngineBrowser()
{
    // The view normally dies with the window it sits in; a view never placed
    // in a window is ours to delete.
    if (m_view && !m_view->parent())
        delete m_view;
}

QWidget* WebEngineBrowser::widget()
{
    return m_view;
}

void WebEngineBrowser::navigate(const QString& address)
{
    const QUrl url = address.isEmpty() ? QUrl(QStringLiteral("about:blank")) : web_addresses::toUrl(address);
    if (isMailAddress(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    // Loading starts a renderer process, which holds up the first painting of
    // a window still being built (the banner strip at start-up): such a page
    // is loaded once the window has been painted.
    QWidget* window = m_view->window();
    if (window != m_view && !window->isVisible()) {
        if (m_pendingUrl.isEmpty())
            window->installEventFilter(this);
        m_pendingUrl = url;
        return;
    }
    load(url);
}

void WebEngineBrowser::load(QUrl url)
{
    m_pendingUrl.clear();
    m_loadingErrorPage = false;
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
    if (m_showingErrorPage)
        m_view->setUrl(m_failedUrl);  // try the page that failed again
    else
        m_view->reload();
}

void WebEngineBrowser::stop()
{
    m_pendingUrl.clear();
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
    if (m_showingErrorPage)
        return m_failedUrl.toString();
    return m_page->url().toString();
}

QString WebEngineBrowser::locationName() const
{
    return m_page->title();
}

void WebEngineBrowser::onLoadStarted()
{
    if (m_loadingErrorPage)
        return;
    m_showingErrorPage = false;
    emit statusTextChange(QStringLiteral("Ouverture de la page..."));
}

void WebEngineBrowser::onLoadFinished(bool ok)
{
    if (m_loadingErrorPage) {
        m_loadingErrorPage = false;
        emit statusTextChange(QStringLiteral("Terminé"));
        // Told once the page is shown, not while it loads: a navigation asked
        // for by a listener must not race the error page. The engine would
        // also stay silent when the name equals the one shown before.
        emit titleChange(m_view->title());
        emit loadFinished(false);
        return;
    }
    emit statusTextChange(ok ? QStringLiteral("Terminé") : QStringLiteral("Erreur de chargement"));
    emit loadFinished(ok);
}

void WebEngineBrowser::onLoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || m_loadingErrorPage)
        return;
    if (info.errorDomain() == QWebEngineLoadingInfo::ConnectionErrorDomain && info.errorCode() != errorAborted)
        showErrorPage(info.url(), info.errorCode(), info.errorString());
}

void WebEngineBrowser::onTitleChanged(const QString& title)
{
    if (!m_loadingErrorPage)
        emit titleChange(title);
}

void WebEngineBrowser::showErrorPage(const QUrl& failedUrl, int errorCode, const QString& errorText)
{
    m_failedUrl = failedUrl;
    m_loadingErrorPage = true;
    m_showingErrorPage = true;
    const QString html =
        errorCode == errorNameNotResolved
            ? errorPageHtml(QString::fromUtf8(page_rules::notFoundTitle),
                            QStringLiteral("Le serveur de cette adresse est introuvable."), failedUrl)
            : errorPageHtml(
                  QStringLiteral("Impossible d'afficher la page"),
                  QStringLiteral("La page n'a pas pu être chargée : %1.").arg(loadFailureReason(errorCode, errorText)),
                  failedUrl);
    m_view->setHtml(html, failedUrl);
}

bool WebEngineBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_viewWidget)
        return BrowserComponent::eventFilter(watched, event);
    if (watched == m_viewWidget->window() && watched != m_viewWidget) {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (!m_pendingUrl.isEmpty())
                    load(m_pendingUrl);
            });
        }
        return BrowserComponent::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished: watchForFocus(static_cast<QChildEvent*>(event)->child()); break;
    case QEvent::FocusIn: m_focusInReason = static_cast<QFocusEvent*>(event)->reason(); break;
    case QEvent::MouseButtonPress:
        // A click gives the focus even where the engine would not take it.
        if (auto* w = qobject_cast<QWidget*>(watched); w && !w->hasFocus() && w != m_viewWidget)
            w->setFocus(Qt::MouseFocusReason);
        break;
    default: break;
    }
    return BrowserComponent::eventFilter(watched, event);
}

void WebEngineBrowser::onFocusChanged(QWidget* old, QWidget* now)
{
    auto inView = [this](QWidget* w) { return w && (w == m_viewWidget || m_viewWidget->isAncestorOf(w)); };
    if (!m_viewWidget || !inView(now) || inView(old))
        return;
    // Only a click or a keyboard move counts: the window becoming active again,
    // or a closed menu, gives the focus back to where it was.
    if (m_focusInReason == Qt::ActiveWindowFocusReason || m_focusInReason == Qt::PopupFocusReason)
        return;
    // The engine replaces the widget showing a page now and then; when that
    // widget had the focus elsewhere, the focus moves on by itself, which is
    // no choice of the user's.
    if (old && !old->isVisible())
        return;
    emit gotFocus();
}

void WebEngineBrowser::watchForFocus(QObject* object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        watchForFocus(child);
}

void WebEngineBrowser::showContextMenu(const QPoint& position)
{
    const QWebEngineContextMenuRequest* request = m_view->lastContextMenuRequest();
    if (!request)
        return;
    using Flag = QWebEngineContextMenuRequest::EditFlag;
    const auto flags = request->editFlags();
    context_menu::Facts facts;
    facts.onLink = request->linkUrl().isValid();
    facts.editable = request->isContentEditable();
    facts.hasSelection = !request->selectedText().isEmpty();
    facts.canCut = flags.testFlag(Flag::CanCut);
    facts.canCopy = flags.testFlag(Flag::CanCopy);
    facts.canPaste = flags.testFlag(Flag::CanPaste);
    facts.canSelectAll = flags.testFlag(Flag::CanSelectAll);
    facts.canGoBack = m_page->history()->canGoBack();
    facts.canGoForward = m_page->history()->canGoForward();
    const QUrl link = request->linkUrl();

    auto* menu = new QMenu(m_view);
    menu->setObjectName(QStringLiteral("pageContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const context_menu::Entry& entry : context_menu::entries(facts)) {
        if (entry.separatorBefore)
            menu->addSeparator();
        QAction* action = menu->addAction(entry.text);
        action->setEnabled(entry.enabled);
        connect(action, &QAction::triggered, this, [this, action = entry.action, link] {
            using context_menu::Action;
            switch (action) {
            case Action::OpenLink: emit newWindowRequested(link.toString()); break;
            case Action::CopyLinkAddress: QGuiApplication::clipboard()->setText(link.toString()); break;
            case Action::Cut: m_page->triggerAction(QWebEnginePage::Cut); break;
            case Action::Copy: m_page->triggerAction(QWebEnginePage::Copy); break;
            case Action::Paste: m_page->triggerAction(QWebEnginePage::Paste); break;
            case Action::SelectAll: m_page->triggerAction(QWebEnginePage::SelectAll); break;
            case Action::Back: goBack(); break;
            case Action::Forward: goForward(); break;
            case Action::Reload: refresh(); break;
            }
        });
    }
    menu->popup(m_view->mapToGlobal(position));
}
