#pragma once

#include "ContextMenuEntries.h"

#include <QObject>
#include <QUrl>

class BrowserComponent;
class QPoint;
class QWebEngineView;

// The page view's right-click menu: the entries that fit what was clicked,
// carried out on the view's page; the page steps go through the component, as
// its buttons do, and a link to open goes to it as a new window's address.
class PageContextMenu : public QObject {
public:
    // Takes the view's right-click requests; lives as long as the view.
    PageContextMenu(QWebEngineView& view, BrowserComponent& pageView);

private:
    void show(const QPoint& position);
    void carryOut(const context_menu::Entry& entry, const QUrl& link);

    QWebEngineView& m_view;
    BrowserComponent& m_pageView;
};
