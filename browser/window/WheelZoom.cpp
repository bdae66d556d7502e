#include "WheelZoom.h"

#include "PageZoom.h"
#include "WidgetTree.h"

#include <QChildEvent>
#include <QWheelEvent>
#include <QWidget>

WheelZoom::WheelZoom(QWidget& view, BrowserComponent& pageView) : QObject(&view), m_pageView(pageView)
{
    filterWidgetTree(view, *this);
}

bool WheelZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded)
        filterWidgetTree(*static_cast<QChildEvent*>(event)->child(), *this);
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return QObject::eventFilter(watched, event);
    if (const int turn = wheel->angleDelta().y(); turn != 0)
        page_zoom::apply(m_pageView, turn > 0 ? page_zoom::Step::In : page_zoom::Step::Out);
    return true;
}
