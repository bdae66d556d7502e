#include "FocusTracker.h"

#include <QApplication>
#include <QChildEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

FocusTracker::FocusTracker(QWidget& area, QObject* parent) : QObject(parent), m_area(&area)
{
    watch(&area);
    connect(qApp, &QApplication::focusChanged, this, &FocusTracker::onFocusChanged);
}

bool FocusTracker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished: watch(static_cast<QChildEvent*>(event)->child()); break;
    case QEvent::FocusIn: m_focusInReason = static_cast<QFocusEvent*>(event)->reason(); break;
    case QEvent::MouseButtonPress:
        // A click gives the focus even where the engine would not take it; the
        // area and the view it holds pass theirs on.
        if (auto* w = qobject_cast<QWidget*>(watched);
            m_area && w && !w->hasFocus() && w != m_area && w->parent() != m_area)
            w->setFocus(Qt::MouseFocusReason);
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void FocusTracker::watch(QObject* object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        watch(child);
}

void FocusTracker::onFocusChanged(QWidget* old, QWidget* now)
{
    auto inArea = [this](QWidget* w) { return w && (w == m_area || m_area->isAncestorOf(w)); };
    if (!m_area || !inArea(now) || inArea(old))
        return;
    // Only a click or a keyboard move counts: the window becoming active again,
    // or a closed menu, gives the focus back to where it was.
    if (m_focusInReason == Qt::ActiveWindowFocusReason || m_focusInReason == Qt::PopupFocusReason)
        return;
    // The engine replaces the widget showing a page now and then; when that
    // widget had the focus elsewhere, the focus moves on by itself, which is
    // no choice of the user's.
    if (old && !old->isVisible())
        return;
    emit gotFocus();
}
