#pragma once

#include <QStackedLayout>
#include <QWidget>

// The place of a page view that something fills later: white as an empty page
// until then, in its slot of the keyboard order, and passing the focus on to
// what fills it. Filled through its stacked layout.
inline QWidget* newPagePlace()
{
    auto* place = new QWidget;
    place->setAutoFillBackground(true);
    place->setBackgroundRole(QPalette::Base);
    place->setFocusPolicy(Qt::StrongFocus);
    new QStackedLayout(place);
    return place;
}
