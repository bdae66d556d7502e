#include "WebEngineBrowser.h"

#include "ContextMenuEntries.h"
#include "DownloadHandler.h"
#include "Endpoints.h"
#include "ErrorPages.h"
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

#include <utility>

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
    if (m_downloads)
        m_downloads->userActed();
    if (isMailAddress(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (url.isEmpty()) {
        // The engine would show a blank page for these words, without a word.
        m_pendingUrl.clear();
        showErrorPage(address, QUrl(), error_pages::notAnAddress(address));
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
        navigate(m_failedAddress);  // try the page that failed again
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
        return m_failedAddress;
    return m_page ? m_page->url().toString() : QString();
}

QString WebEngineBrowser::locationName() const
{
    return m_page ? m_page->title() : QString();
}

void WebEngineBrowser::onLoadStarted()
{
    m_loadUnderWay = true;
    if (m_loadingErrorPage)
        return;
    m_showingErrorPage = false;
    emit statusTextChange(QStringLiteral("Ouverture de la page..."));
}

void WebEngineBrowser::onLoadFinished(bool ok)
{
    m_loadUnderWay = false;
    if (!m_crashPage.isEmpty()) {
        showCrashPage();
        return;
    }
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
    // A failure is told once the engine says what ended the load.
    if (ok)
        emit statusTextChange(QStringLiteral("Terminé"));
    emit loadFinished(ok);
}

void WebEngineBrowser::onLoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (m_loadingErrorPage)
        return;
    const bool failed = info.status() == QWebEngineLoadingInfo::LoadFailedStatus;
    // Stopped: by the user, or by a download taking the place of the page,
    // which then tells its own progress.
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus || (failed && info.errorCode() == errorAborted)) {
        emit statusTextChange(QStringLiteral("Terminé"));
    } else if (failed && info.errorDomain() == QWebEngineLoadingInfo::ConnectionErrorDomain) {
        const QString address = info.url().toString();
        showErrorPage(address, info.url(),
                      info.errorCode() == errorNameNotResolved
                          ? error_pages::serverNotFound(address)
                          : error_pages::loadFailed(info.errorCode(), info.errorString(), address));
    } else if (failed) {
        emit statusTextChange(QStringLiteral("Erreur de chargement"));
    }
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
    // The view would stay a grey area, with the status line telling nothing.
    m_crashedAddress = m_showingErrorPage ? m_failedAddress : m_page->url().toString();
    m_crashPage = error_pages::rendererEnded(end, m_crashedAddress);
    // A load under way ends as a failure right after; the page is shown then,
    // or that end would be taken for the page's own.
    if (!m_loadUnderWay)
        showCrashPage();
}

void WebEngineBrowser::showCrashPage()
{
    showErrorPage(m_crashedAddress, QUrl(), std::exchange(m_crashPage, QString()));
    emit pageCrashed();
}

void WebEngineBrowser::onTitleChanged(const QString& title)
{
    if (!m_loadingErrorPage)
        emit titleChange(title);
}

void WebEngineBrowser::showErrorPage(const QString& failedAddress, const QUrl& baseUrl, const QString& html)
{
    fillPlace();  // words typed before the engine was up
    m_failedAddress = failedAddress;
    m_loadingErrorPage = true;
    m_showingErrorPage = true;
    m_view->setHtml(html, baseUrl);
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
