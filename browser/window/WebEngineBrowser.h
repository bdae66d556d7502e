#pragma once

#include "BrowserComponent.h"
#include "PageLoadStates.h"

#include <QUrl>
#include <QWebEnginePage>

#include <memory>

class DownloadHandler;
class EnginePlace;
class QWebEngineLoadingInfo;
class QWebEngineView;
class SavePathChooser;

// The browser component on Qt WebEngine. A server that cannot be found, or
// typed words that make no address, show the component's own French page,
// named "Impossible de trouver le serveur"; other load failures, and a page
// whose renderer process ended abnormally, show a French page of their own.
//
// Its widget is at first a blank place that the engine's view fills later (see
// EnginePlace), at the latest at the first address. Until then the component
// behaves as a blank page whose loading has not begun: the address asked for
// last waits, there is no history, and stop() drops the waiting address.
class WebEngineBrowser : public BrowserComponent, private PageLoadStates::Output {
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

private:
    void createPage(QWebEngineView& view);
    void load(QUrl url);  // by value: may be given the pending address it clears
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);

    void tellStatus(const QString& text) override;
    void tellTitle() override;
    void tellLoadFinished(bool ok) override;
    void tellPageCrashed() override;
    void showHtml(const QString& html, const QUrl& baseUrl) override;

    EnginePlace* m_place;
    QWebEnginePage* m_page = nullptr;  // none before the view fills the place
    std::unique_ptr<SavePathChooser> m_saveChooser;
    DownloadHandler* m_downloads = nullptr;
    PageLoadStates m_states{*this};
    QUrl m_pendingUrl;      // asked for before there was a view
    bool m_onLink = false;  // the pointer is over a link, whose address the status line shows
};
