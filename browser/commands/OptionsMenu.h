#pragma once

class MenuBar;
struct WindowServices;

// The menu entries that open a secondary window: the four preferred-address
// dialogs, which disable the main window while they are open, the shortcut
// editor and the about window. Each window exists at most once; closing the
// main window closes those still open.
void bindDialogEntries(MenuBar& menus, WindowServices& services);
