#pragma once

class MenuBar;
struct WindowServices;

// Binds every group of menu commands to the main window's menu bar.
void bindMainWindowCommands(MenuBar& menus, WindowServices& services);
