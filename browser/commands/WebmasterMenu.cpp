#include "WebmasterMenu.h"

#include "Endpoints.h"
#include "MenuTable.h"

namespace {

const MenuEntry entries[] = {
    {"smnu_annuprog", "&Annuaire de sites de programmation", visitFrontPage(endpoints::annuprogHost)},
    {"smnu_exgban", "&Echange de bannières au ratio 1:1", visitFrontPage(endpoints::exgbanHost)},
    {"smnu_annupart", "&Annuaire de sites recherchant des partenaires", visitFrontPage(endpoints::annupartHost)},
    {"smnu_annufree", "&Annuaire de sites gratuits", visitFrontPage(endpoints::annufreeHost)},
    {"smnu_freerefer", "&Référencement gratuit", visitFrontPage(endpoints::freereferHost)},
    {"smnu_portail", "&Portail généraliste francophone", visitFrontPage(endpoints::portailHost)},
    {"smnu_clsites", "&Classement de sites", visitFrontPage(endpoints::clsitesHost)},
};

}  // namespace

const Menu& webmasterMenu()
{
    static const Menu menu{"mnu_siteswebmasters", "&Sites pour webmasters", entries};
    return menu;
}
