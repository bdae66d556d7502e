#include "MainWindowCommands.h"

#include "AboutMenu.h"
#include "FileMenu.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "MenuTable.h"
#include "NavigationMenu.h"
#include "OptionsMenu.h"
#include "SearchMenu.h"
#include "WebmasterMenu.h"
#include "WindowServices.h"

const std::array<const Menu*, 6>& mainWindowMenus()
{
    static const std::array<const Menu*, 6> menus{&fileMenu(),   &navigationMenu(), &optionsMenu(),
                                                  &searchMenu(), &webmasterMenu(),  &aboutMenu()};
    return menus;
}

void bindMainWindowCommands(MenuBar& menus, WindowServices& services)
{
    for (const Menu* menu : mainWindowMenus()) {
        for (const MenuEntry& entry : menu->entries)
            menus.bind(entry.name, &services.window, [&entry, &services] { entry.handler(services); });
    }
}
