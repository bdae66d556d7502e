#pragma once

#include "BrowserComponent.h"
#include "PageLoadStates.h"

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

    // The engine's view, which is the component's widget.
    QWebEngineView* view() { return m_view; }

private:
    void createPage(QWebEngineView& view);
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);

    // Deleted with the window that holds it, or with the component.
    QPointer<QWebEngineView> m_view;
    QWebEnginePage* m_page = nullptr;
    std::unique_ptr<SavePathChooser> m_saveChooser;
    DownloadHandler* m_downloads = nullptr;
    PageLoadStates m_states;
    bool m_onLink = false;         // the pointer is over a link, whose address the status line shows
    bool m_findMatchCase = false;  // of the search under way
    bool m_endingSearch = false;   // its end is answered at once, with no match
    qreal m_zoomFactor = 1.0;
    std::unique_ptr<QPrinter> m_printer;  // while a page goes to it
};
