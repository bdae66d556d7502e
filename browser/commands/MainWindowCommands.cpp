#include "MainWindowCommands.h"

#include "DialogEntries.h"
#include "FileCommands.h"
#include "LinkMenus.h"
#include "SiteSearches.h"
#include "Skins.h"

void bindMainWindowCommands(MenuBar& menus, WindowServices& services)
{
    bindDialogEntries(menus, services);
    bindFileCommands(menus, services);
    bindSiteSearches(menus, services);
    bindLinkMenus(menus, services);
    bindSkins(menus, services);
}
