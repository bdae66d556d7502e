#pragma once

#include <vector>

// The main window's menu bar as data: every menu and entry with its name
// (the object name) and caption (UTF-8, "&" marks the access key).
struct MenuEntryItem {
    const char* name;
    const char* caption;
};

struct MenuItem {
    const char* name;
    const char* caption;
    std::vector<MenuEntryItem> entries;
};

// The six menus in display order.
const std::vector<MenuItem>& menuTree();
