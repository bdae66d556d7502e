#pragma once

#include "BrowserComponent.h"

#include <QPointer>

#include <functional>
#include <memory>

class QLabel;

// A page view whose engine comes once the window holding it has been painted:
// until then a blank place, which behaves as a blank page whose loading has
// not begun. The last address asked for meanwhile (or home, or search) waits
// and goes to the engine when it comes, as does the zoom; stop() drops the
// address. Then every call and event passes through to the engine's view,
// which fills the place.
//
// When the engine cannot be had, the place says why in French, and the view
// stays a blank page that loads nothing.
class LateBrowser : public BrowserComponent {
    Q_OBJECT
public:
    // Makes the view on the engine, or says in French why it cannot.
    using Maker = std::function<std::unique_ptr<BrowserComponent>(QString& whyNot)>;

    explicit LateBrowser(Maker make, QObject* parent = nullptr);
    ~LateBrowser() override;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrive();
    // Now on the engine, or once it comes; nothing when it cannot come.
    void ask(std::function<void(BrowserComponent&)> request);

    Maker m_make;
    // A plain widget: handlers that watch it also run while it is being destroyed.
    QPointer<QWidget> m_place;
    std::unique_ptr<BrowserComponent> m_engine;
    std::function<void(BrowserComponent&)> m_waiting;
    qreal m_zoomFactor = 1.0;  // until the engine keeps it
    bool m_arrivalQueued = false;
    bool m_unavailable = false;
};
