#include "AboutMenu.h"

#include "CreditsWindow.h"
#include "Endpoints.h"
#include "MenuTable.h"
#include "SecondaryWindows.h"
#include "WindowServices.h"

namespace {

void showCredits(WindowServices& services)
{
    services.windows.of("smnu_credits", [&services] { return new CreditsWindow(services.pageView); }).show();
}

const MenuEntry entries[] = {
    {"smnu_aide", "&Aide", visitFrontPage(endpoints::helpHost)},
    {"smnu_credits", "&Crédits", showCredits},
};

}  // namespace

const Menu& aboutMenu()
{
    static const Menu menu{"mnu_propos", "&A propos", entries};
    return menu;
}
