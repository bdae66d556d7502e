#pragma once

class MenuBar;
struct WindowServices;

// "Skins de Tavrello": asks for the path of a picture, shows it in the main
// window's corner at once and keeps the path in skins.txt for the next start.
void bindSkins(MenuBar& menus, WindowServices& services);
