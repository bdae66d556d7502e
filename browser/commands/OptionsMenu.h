#pragma once

struct Menu;

// "&Options": the skin, the four preferred-address dialogs, which disable the
// main window while they are open, and the shortcut editor. Each window exists
// at most once; closing the main window closes those still open.
const Menu& optionsMenu();
