#pragma once

#include "BrowserComponent.h"

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

class DownloadHandler;
class QWebEngineLoadingInfo;
class SavePathChooser;

// The browser component on Qt WebEngine. A server that cannot be found, or
// typed words that make no address, show the component's own French page,
// named "Impossible de trouver le serveur"; other load failures, and a page
// whose renderer process ended abnormally, show a French page of their own.
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

    QWebEngineView* view() const { return m_view.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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

    QPointer<QWebEngineView> m_view;
    // The same view seen as a plain widget: the focus and event handlers also run
    // while it is being destroyed, when it is no longer a QWebEngineView.
    QPointer<QWidget> m_viewWidget;
    QWebEnginePage* m_page = nullptr;
    std::unique_ptr<SavePathChooser> m_saveChooser;
    DownloadHandler* m_downloads = nullptr;
    Qt::FocusReason m_focusInReason = Qt::OtherFocusReason;  // of the last focus-in inside the view
    QUrl m_pendingUrl;                                       // asked for before the window was first painted
    QString m_failedAddress;                                 // address behind the error page being loaded or shown
    bool m_loadingErrorPage = false;
    bool m_showingErrorPage = false;
    bool m_loadUnderWay = false;
    QString m_crashPage;       // to show once the load under way has ended
    QString m_crashedAddress;  // of the page whose renderer ended
    bool m_onLink = false;     // the pointer is over a link, whose address the status line shows
};
