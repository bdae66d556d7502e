#pragma once

#include <QObject>
#include <QPointer>
#include <QWebEngineView>

#include <functional>

// The widget that windows hold for a page view. Bringing up the engine takes
// longer than building and showing a whole window, so it is at first a blank
// place, and the engine's view fills it once the window holding it has been
// painted, or when asked for. The place stays a plain widget: handlers that
// watch it also run while it is being destroyed.
class EnginePlace : public QObject {
    Q_OBJECT
public:
    // prepare: given the view just made, before it is placed or shown.
    explicit EnginePlace(std::function<void(QWebEngineView&)> prepare, QObject* parent = nullptr);
    // A place never put in a window is deleted with this object.
    ~EnginePlace() override;

    QWidget* widget() const { return m_place; }
    // None until the place is filled.
    QWebEngineView* view() const { return m_view; }

    // Fills the place now, if it was not yet.
    void fill();
    // Fills it once its window is on the screen: now if it is already (or the
    // place is a window itself).
    void fillWhenShown();

signals:
    // The view is in its place.
    void filled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWebEngineView&)> m_prepare;
    QPointer<QWidget> m_place;
    QPointer<QWebEngineView> m_view;
    bool m_fillQueued = false;
};
