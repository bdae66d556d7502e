#pragma once

#include <functional>
#include <span>

struct WindowServices;

// One entry of a menu: its name (the object name), its caption (UTF-8, "&"
// marks the access key) and what choosing it does.
struct MenuEntry {
    const char* name;
    const char* caption;
    std::function<void(WindowServices&)> handler;
};

// One menu of the menu bar and its entries, in display order.
struct Menu {
    const char* name;
    const char* caption;
    std::span<const MenuEntry> entries;
};

// A handler that sends the page view to the front page of a fixed site.
std::function<void(WindowServices&)> visitFrontPage(const char* host);
