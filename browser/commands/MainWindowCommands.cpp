#include "MainWindowCommands.h"

#include "DialogEntries.h"

void bindMainWindowCommands(MenuBar& menus, WindowServices& services)
{
    bindDialogEntries(menus, services);
}
