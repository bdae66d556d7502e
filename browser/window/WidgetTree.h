#pragma once

#include <QObject>

// Puts the event filter on the object, when it is a widget, and on every
// widget inside it. Watchers of the engine's view call it again for each child
// added, as the engine replaces its inner widgets now and then.
inline void filterWidgetTree(QObject& object, QObject& filter)
{
    if (!object.isWidgetType())
        return;
    object.installEventFilter(&filter);
    for (QObject* child : object.children())
        filterWidgetTree(*child, filter);
}
