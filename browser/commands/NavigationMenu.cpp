#include "NavigationMenu.h"

#include "BrowserComponent.h"
#include "MenuTable.h"
#include "Variables.h"
#include "WindowServices.h"

namespace {

// A step that is not possible is simply not taken, as with the main window's
// buttons.
std::function<void(WindowServices&)> step(void (*call)(BrowserComponent& pageView))
{
    return [call](WindowServices& services) { call(services.pageView); };
}

// The user's own address, read at each click so that a change made in a
// dialog counts at once. No address chosen yet: there is nothing to visit.
std::function<void(WindowServices&)> visitPreferred(QString Variables::*address)
{
    return [address](WindowServices& services) {
        const QString chosen = services.variables.*address;
        if (!chosen.isEmpty())
            services.pageView.navigate(chosen);
    };
}

// Entries that share an access key (P here) are reached by pressing it
// again; kept: users rely on these captions.
const MenuEntry entries[] = {
    {"smnu_precedente", "&Page précédente", step([](BrowserComponent& view) { view.goBack(); })},
    {"smnu_suivante", "&Page suivante", step([](BrowserComponent& view) { view.goForward(); })},
    {"smnu_actualiser", "&Actualiser", step([](BrowserComponent& view) { view.refresh(); })},
    {"smnu_stopper", "S&topper", step([](BrowserComponent& view) { view.stop(); })},
    {"smnu_siteprefer", "Votre site préféré", visitPreferred(&Variables::url_site)},
    {"smnu_moteurie", "Moteur de recherche d'Internet Explorer", step([](BrowserComponent& view) { view.goSearch(); })},
    {"smnu_homeie", "Page de démarrage d'Internet Explorer", step([](BrowserComponent& view) { view.goHome(); })},
    {"smnu_moteurprefer", "Votre moteur de recherche préféré", visitPreferred(&Variables::url_moteur)},
    {"smnu_homepage", "Votre page de démarrage", visitPreferred(&Variables::url_home)},
};

}  // namespace

const Menu& navigationMenu()
{
    static const Menu menu{"mnu_navigation", "&Navigation", entries};
    return menu;
}
