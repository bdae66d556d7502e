#include "LateBrowser.h"

#include <QEvent>
#include <QLabel>
#include <QStackedLayout>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

// White as an empty page until the engine's view fills it, in its slot of the
// keyboard order, and passing the focus on to the view.
QWidget* newPagePlace()
{
    auto* place = new QWidget;
    place->setAutoFillBackground(true);
    place->setBackgroundRole(QPalette::Base);
    place->setFocusPolicy(Qt::StrongFocus);
    new QStackedLayout(place);
    return place;
}

}  // namespace

LateBrowser::LateBrowser(Maker make, QObject* parent)
    : BrowserComponent(parent)
    , m_make(std::move(make))
    , m_place(newPagePlace())
{
    m_place->installEventFilter(this);
}

LateBrowser::~LateBrowser()
{
    // The engine's view goes first, while what it reports to is still here.
    m_engine.reset();
    // The place normally dies with the window it sits in.
    if (m_place && !m_place->parent())
        delete m_place;
}

QWidget* LateBrowser::widget()
{
    return m_place;
}

bool LateBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_place && event->type() == QEvent::Paint && !m_engine && !m_unavailable && !m_arrivalQueued) {
        // The window is on the screen once this painting is flushed; the
        // engine comes at the next turn.
        m_arrivalQueued = true;
        QTimer::singleShot(0, this, &LateBrowser::arrive);
    }
    return BrowserComponent::eventFilter(watched, event);
}

void LateBrowser::arrive()
{
    if (!m_place)
        return;
    QString whyNot;
    m_engine = m_make(whyNot);
    if (!m_engine) {
        m_unavailable = true;
        m_waiting = nullptr;
        auto* message = new QLabel(whyNot);
        message->setWordWrap(true);
        message->setAlignment(Qt::AlignCenter);
        message->setMargin(12);
        m_place->layout()->addWidget(message);
        return;
    }
    BrowserComponent& engine = *m_engine;
    QWidget* view = engine.widget();
    // The view goes by its place's names: the window knows only the place,
    // which keeps its slot in the keyboard order and hands the focus on.
    view->setObjectName(m_place->objectName());
    view->setAccessibleName(m_place->accessibleName());
    m_place->layout()->addWidget(view);
    m_place->setFocusProxy(view);
    connect(&engine, &BrowserComponent::statusTextChange, this, &BrowserComponent::statusTextChange);
    connect(&engine, &BrowserComponent::titleChange, this, &BrowserComponent::titleChange);
    connect(&engine, &BrowserComponent::gotFocus, this, &BrowserComponent::gotFocus);
    connect(&engine, &BrowserComponent::loadFinished, this, &BrowserComponent::loadFinished);
    connect(&engine, &BrowserComponent::newWindowRequested, this, &BrowserComponent::newWindowRequested);
    connect(&engine, &BrowserComponent::pageCrashed, this, &BrowserComponent::pageCrashed);
    connect(&engine, &BrowserComponent::findTextFinished, this, &BrowserComponent::findTextFinished);
    connect(&engine, &BrowserComponent::findRequested, this, &BrowserComponent::findRequested);
    engine.setZoomFactor(m_zoomFactor);
    if (m_waiting)
        std::exchange(m_waiting, nullptr)(engine);
}

void LateBrowser::ask(std::function<void(BrowserComponent&)> request)
{
    if (m_engine)
        request(*m_engine);
    else if (m_unavailable)
        emit loadFinished(false);
    else
        m_waiting = std::move(request);
}

void LateBrowser::navigate(const QString& address)
{
    ask([address](BrowserComponent& engine) { engine.navigate(address); });
}

bool LateBrowser::goBack()
{
    return m_engine && m_engine->goBack();
}

bool LateBrowser::goForward()
{
    return m_engine && m_engine->goForward();
}

void LateBrowser::refresh()
{
    if (m_engine)
        m_engine->refresh();
}

void LateBrowser::stop()
{
    m_waiting = nullptr;
    if (m_engine)
        m_engine->stop();
}

void LateBrowser::goHome()
{
    ask([](BrowserComponent& engine) { engine.goHome(); });
}

void LateBrowser::goSearch()
{
    ask([](BrowserComponent& engine) { engine.goSearch(); });
}

QString LateBrowser::locationUrl() const
{
    return m_engine ? m_engine->locationUrl() : QString();
}

QString LateBrowser::locationName() const
{
    return m_engine ? m_engine->locationName() : QString();
}

void LateBrowser::findText(const QString& text, bool matchCase, bool backward)
{
    if (m_engine)
        m_engine->findText(text, matchCase, backward);
    else
        emit findTextFinished(0, 0);  // a blank page
}

qreal LateBrowser::zoomFactor() const
{
    return m_engine ? m_engine->zoomFactor() : m_zoomFactor;
}

void LateBrowser::setZoomFactor(qreal factor)
{
    m_zoomFactor = factor;
    if (m_engine)
        m_engine->setZoomFactor(factor);
}

void LateBrowser::print()
{
    if (m_engine)
        m_engine->print();
}

void LateBrowser::saveAsPdf()
{
    if (m_engine)
        m_engine->saveAsPdf();
}
