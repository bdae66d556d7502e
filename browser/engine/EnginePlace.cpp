#include "EnginePlace.h"

#include "PagePlace.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

EnginePlace::EnginePlace(std::function<void(QWebEngineView&)> prepare, QObject* parent)
    : QObject(parent)
    , m_prepare(std::move(prepare))
    , m_place(newPagePlace())
{
    m_place->installEventFilter(this);
}

EnginePlace::~EnginePlace()
{
    // The place normally dies with the window it sits in.
    if (m_place && !m_place->parent())
        delete m_place;
}

void EnginePlace::fill()
{
    if (m_view || !m_place)
        return;
    if (QWidget* window = m_place->window(); window != m_place)
        window->removeEventFilter(this);
    m_view = new QWebEngineView;
    // The view goes by its place's names: the window knows only the place.
    m_view->setObjectName(m_place->objectName());
    m_view->setAccessibleName(m_place->accessibleName());
    m_prepare(*m_view);
    m_place->layout()->addWidget(m_view);
    m_place->setFocusProxy(m_view);
    emit filled();
}

void EnginePlace::fillWhenShown()
{
    if (m_view || !m_place)
        return;
    // A window still being built or not yet painted shows first.
    QWidget* window = m_place->window();
    if (window == m_place || (window->windowHandle() && window->windowHandle()->isExposed()))
        fill();
    else
        window->installEventFilter(this);
}

bool EnginePlace::eventFilter(QObject* watched, QEvent* event)
{
    if (m_place && event->type() == QEvent::Paint && (watched == m_place || watched == m_place->window()) && !m_view &&
        !m_fillQueued) {
        // The window is on the screen once this painting is flushed; the
        // engine comes up at the next turn.
        m_fillQueued = true;
        QTimer::singleShot(0, this, &EnginePlace::fill);
    }
    return QObject::eventFilter(watched, event);
}
