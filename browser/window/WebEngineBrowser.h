#pragma once

#include "BrowserComponent.h"

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

class DownloadHandler;
class QPrinter;
class QWebEngineLoadingInfo;
class SavePathChooser;

// The browser component on Qt WebEngine. A server that cannot be found, or
// typed words that make no address, show the component's own French page,
// named "Impossible de trouver le serveur"; other load failures, and a page
// whose renderer process ended abnormally, show a French page of their own.
//
// Its widget is at first a blank place: bringing up the engine takes longer
// than building and showing a whole window, so the engine's view fills the
// place once the window holding it has been painted, or at the first address
// if the window is on the screen already (or the place is a window itself).
// Until then the component behaves as a blank page whose loading has not
// begun: the address asked for last waits, there is no history, and stop()
// drops the waiting address.
class WebEngineBrowser : public BrowserComponent {
    Q_OBJECT
public:
    explicit WebEngineBrowser(QObject* parent = nullptr);
    // Downloads ask for their place through the chooser.
    explicit WebEngineBrowser(std::unique_ptr<SavePathChooser> saveChooser, QObject* parent = nullptr);
    ~WebEngineBrowser() override;

    QWidget* widget() override;
    void navigate(const QString& address) override;
    bool goBack() override;
    bool goForward() override;
    void refresh() override;
    void stop() override;
    void goHome() override;
    void goSearch() override;
    QString locationUrl() const override;
    QString locationName() const override;
    void findText(const QString& text, bool matchCase, bool backward) override;
    qreal zoomFactor() const override;
    void setZoomFactor(qreal factor) override;
    void print() override;
    void saveAsPdf() override;

    // The engine's view, made now if it was not yet.
    QWebEngineView* view();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillPlace();
    void createPage();
    void load(QUrl url);  // by value: may be given the pending address it clears
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void onTitleChanged(const QString& title);
    void onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);
    void showCrashPage();
    // baseUrl: the page's own address where the engine can take it.
    void showErrorPage(const QString& failedAddress, const QUrl& baseUrl, const QString& html);
    void onFocusChanged(QWidget* old, QWidget* now);
    void showContextMenu(const QPoint& position);
    void watchForFocus(QObject* object);

    // The widget placed in windows. It holds the engine's view once there is one
    // and stays a plain widget: the focus and event handlers also run while it
    // is being destroyed.
    QPointer<QWidget> m_place;
    QPointer<QWebEngineView> m_view;
    QWebEnginePage* m_page = nullptr;  // none before the view fills the place
    bool m_fillQueued = false;
    std::unique_ptr<SavePathChooser> m_saveChooser;
    DownloadHandler* m_downloads = nullptr;
    Qt::FocusReason m_focusInReason = Qt::OtherFocusReason;  // of the last focus-in inside the view
    QUrl m_pendingUrl;                                       // asked for before there was a view
    QString m_failedAddress;                                 // address behind the error page being loaded or shown
    bool m_loadingErrorPage = false;
    bool m_showingErrorPage = false;
    bool m_loadUnderWay = false;
    QString m_crashPage;       // to show once the load under way has ended
    QString m_crashedAddress;  // of the page whose renderer ended
    bool m_onLink = false;     // the pointer is over a link, whose address the status line shows
    bool m_findMatchCase = false;  // of the search under way
    bool m_endingSearch = false;   // its end is answered at once, with no match
    qreal m_zoomFactor = 1.0;
    std::unique_ptr<QPrinter> m_printer;  // while a page goes to it
};
