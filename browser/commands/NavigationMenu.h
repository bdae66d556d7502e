#pragma once

#include <span>

class MenuBar;
struct WindowServices;

// An entry that opens the front page of a fixed site.
struct FrontPageLink {
    const char* entry;  // name of the menu entry
    const char* host;
};

// The seven web-master sites, the Tessaly directory and the help site.
std::span<const FrontPageLink> frontPageLinks();

// The entries that send the page view somewhere without asking anything: the
// "Navigation" menu, the web-master sites, Tessaly and the help site.
void bindLinkMenus(MenuBar& menus, WindowServices& services);
