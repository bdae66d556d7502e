#pragma once

#include "BrowserComponent.h"

#include <QPointer>
#include <QUrl>
#include <QWebEngineView>

#include <memory>

class DownloadHandler;
class QWebEngineLoadingInfo;
class SavePathChooser;

// The browser component on Qt WebEngine. A server that cannot be found shows
// the component's own French page, named "Impossible de trouver le serveur";
// other load failures show a French page of their own.
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
    void showErrorPage(const QUrl& failedUrl, int errorCode, const QString& errorText);
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
    QUrl m_failedUrl;                                        // address behind the error page being loaded or shown
    bool m_loadingErrorPage = false;
    bool m_showingErrorPage = false;
};
