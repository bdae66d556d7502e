#pragma once

class BrowserComponent;
class InputBox;
class QWidget;
struct Menu;

namespace web_addresses {
struct SearchScript;
}

// "&Rechercher": five searches that ask for the words and send the page view
// to a site's search script with them, and the Tessaly directory.
const Menu& searchMenu();

// A search of a site: the input box's title and prompt (UTF-8), and the script.
struct SiteSearch {
    const char* title;
    const char* prompt;
    const web_addresses::SearchScript* script;
};

// Cancelling the box searches for nothing: the script is still visited.
void searchSite(const SiteSearch& search, InputBox& input, QWidget* parent, BrowserComponent& pageView);
