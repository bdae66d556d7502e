#pragma once

class MenuBar;
struct WindowServices;

// The "&Fichier" menu: the page-source viewer, saving the current page's
// source, opening a local file in the page view, and quitting.
void bindFileCommands(MenuBar& menus, WindowServices& services);
