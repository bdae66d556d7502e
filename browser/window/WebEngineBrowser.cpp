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
#include <QStackedLayout>
#include <QTimer>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>
#include <QWindow>

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
    , m_place(new QWidget)
    , m_saveChooser(std::move(saveChooser))
{
    // White as an empty page, until the view covers it.
    m_place->setAutoFillBackground(true);
    m_place->setBackgroundRole(QPalette::Base);
    // The place takes its slot in the keyboard order and passes the focus on
    // to the view, then to the widget that the engine gives the view.
    m_place->setFocusPolicy(Qt::StrongFocus);
    new QStackedLayout(m_place);
    watchForFocus(m_place);
    connect(qApp, &QApplication::focusChanged, this, &WebEngineBrowser::onFocusChanged);
}

void WebEngineBrowser::fillPlace()
{
    if (m_view || !m_place)
        return;
    if (QWidget* window = m_place->window(); window != m_place)
        window->removeEventFilter(this);
    m_view = new QWebEngineView;
    // The view goes by its place's names: the window knows only the place.
    m_view->setObjectName(m_place->objectName());
    m_view->setAccessibleName(m_place->accessibleName());
    // Our page before the view would make its default one when first shown.
    createPage();
    m_place->layout()->addWidget(m_view);
    m_place->setFocusProxy(m_view);
    if (!m_pendingUrl.isEmpty())
        load(m_pendingUrl);
}

QWebEngineView* WebEngineBrowser::view()
{
    fillPlace();
    return m_view;
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
    // The place normally dies with the window it sits in; a place never put
    // in a window is ours to delete.
    if (m_place && !m_place->parent())
        delete m_place;
}

QWidget* WebEngineBrowser::widget()
{
    return m_place;
}

void WebEngineBrowser::navigate(const QString& address)
{
    const QUrl url = address.isEmpty() ? QUrl(QStringLiteral("about:blank")) : web_addresses::toUrl(address);
    if (isMailAddress(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (!m_page) {
        m_pendingUrl = url;
        // A window still being built or not yet painted shows first.
        QWidget* window = m_place->window();
        if (window == m_place || (window->windowHandle() && window->windowHandle()->isExposed()))
            fillPlace();
        else
            window->installEventFilter(this);
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
    if (!m_page || !m_page->history()->canGoBack())
        return false;
    m_view->back();
    return true;
}

bool WebEngineBrowser::goForward()
{
    if (!m_page || !m_page->history()->canGoForward())
        return false;
    m_view->forward();
    return true;
}

void WebEngineBrowser::refresh()
{
    if (!m_page)
        return;  // a blank page
    if (m_showingErrorPage)
        m_view->setUrl(m_failedUrl);  // try the page that failed again
    else
        m_view->reload();
}

void WebEngineBrowser::stop()
{
    m_pendingUrl.clear();
    if (!m_page)
        return;
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
    return m_page ? m_page->url().toString() : QString();
}

QString WebEngineBrowser::locationName() const
{
    return m_page ? m_page->title() : QString();
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
    if (!m_place)
        return BrowserComponent::eventFilter(watched, event);
    QWidget* window = m_place->window();
    if (event->type() == QEvent::Paint && (watched == m_place || watched == window) && !m_view && !m_fillQueued) {
        // The window is on the screen once this painting is flushed; the
        // engine comes up at the next turn.
        m_fillQueued = true;
        QTimer::singleShot(0, this, &WebEngineBrowser::fillPlace);
    }
    if (watched == window && watched != m_place)
        return BrowserComponent::eventFilter(watched, event);  // only its painting matters
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished: watchForFocus(static_cast<QChildEvent*>(event)->child()); break;
    case QEvent::FocusIn: m_focusInReason = static_cast<QFocusEvent*>(event)->reason(); break;
    case QEvent::MouseButtonPress:
        // A click gives the focus even where the engine would not take it.
        if (auto* w = qobject_cast<QWidget*>(watched); w && !w->hasFocus() && w != m_place && w != m_view)
            w->setFocus(Qt::MouseFocusReason);
        break;
    default: break;
    }
    return BrowserComponent::eventFilter(watched, event);
}

void WebEngineBrowser::onFocusChanged(QWidget* old, QWidget* now)
{
    auto inView = [this](QWidget* w) { return w && (w == m_place || m_place->isAncestorOf(w)); };
    if (!m_place || !inView(now) || inView(old))
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
