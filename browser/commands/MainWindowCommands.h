#pragma once

#include <array>

class MenuBar;
struct Menu;
struct WindowServices;

// The menus of the main window's menu bar, in display order.
const std::array<const Menu*, 6>& mainWindowMenus();

// Binds every entry of those menus to its handler.
void bindMainWindowCommands(MenuBar& menus, WindowServices& services);
