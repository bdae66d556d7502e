#pragma once

struct WindowServices;

// Finding, zooming and printing in the page view, outside the menu bar (its
// menus stay as they are): Ctrl+F opens the find window, Ctrl++ (or Ctrl+=),
// Ctrl+- and Ctrl+0 zoom, Ctrl+P prints, wherever the focus is in the main
// window; the page's right-click menu reaches the find window too.
void bindPageTools(WindowServices& services);

// Shows the find window, f_recherche, built at most once.
void showFindWindow(WindowServices& services);
