#pragma once

#include <QObject>

class BrowserComponent;
class QWidget;

// Ctrl and the mouse wheel over the page view zoom it by the steps of the
// keys; the page does not scroll meanwhile.
class WheelZoom : public QObject {
public:
    // Watches the view and the widgets the engine puts in it; lives as long as the view.
    WheelZoom(QWidget& view, BrowserComponent& pageView);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BrowserComponent& m_pageView;
};
