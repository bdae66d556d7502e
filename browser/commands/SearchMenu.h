#pragma once

#include <span>

class BrowserComponent;
class InputBox;
class MenuBar;
class QWidget;
struct WindowServices;

namespace web_addresses {
struct SearchScript;
}

// An entry of the "Rechercher" menu that searches a site: it asks for the
// words and sends the page view to the site's search script with them.
struct SiteSearch {
    const char* entry;   // name of the menu entry
    const char* title;   // of the input box, UTF-8
    const char* prompt;  // UTF-8
    const web_addresses::SearchScript* script;
};

// The five searches, in menu order.
std::span<const SiteSearch> siteSearches();

// Cancelling the box searches for nothing: the script is still visited.
void searchSite(const SiteSearch& search, InputBox& input, QWidget* parent, BrowserComponent& wb1);

void bindSiteSearches(MenuBar& menus, WindowServices& services);
