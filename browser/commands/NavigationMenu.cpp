#include "LinkMenus.h"

#include "BrowserComponent.h"
#include "Endpoints.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "Variables.h"
#include "WebAddresses.h"
#include "WindowServices.h"

namespace {

// History, reload and the system browser's own pages. A step that is not
// possible is simply not taken, as with the main window's buttons.
struct BrowserStep {
    const char* entry;
    void (*step)(BrowserComponent& wb1);
};

const BrowserStep browserSteps[] = {
    {"smnu_precedente", [](BrowserComponent& wb1) { wb1.goBack(); }},
    {"smnu_suivante", [](BrowserComponent& wb1) { wb1.goForward(); }},
    {"smnu_actualiser", [](BrowserComponent& wb1) { wb1.refresh(); }},
    {"smnu_stopper", [](BrowserComponent& wb1) { wb1.stop(); }},
    {"smnu_moteurie", [](BrowserComponent& wb1) { wb1.goSearch(); }},
    {"smnu_homeie", [](BrowserComponent& wb1) { wb1.goHome(); }},
};

// The user's own addresses, read at each click so that a change made in a
// dialog counts at once.
struct PreferredAddressLink {
    const char* entry;
    QString Variables::*address;
};

const PreferredAddressLink preferredAddressLinks[] = {
    {"smnu_siteprefer", &Variables::url_site},
    {"smnu_moteurprefer", &Variables::url_moteur},
    {"smnu_homepage", &Variables::url_home},
};

const FrontPageLink frontPages[] = {
    {"smnu_searchtessaly", endpoints::tessalyHost},
    {"smnu_annuprog", endpoints::annuprogHost},
    {"smnu_exgban", endpoints::exgbanHost},
    {"smnu_annupart", endpoints::annupartHost},
    {"smnu_annufree", endpoints::annufreeHost},
    {"smnu_freerefer", endpoints::freereferHost},
    {"smnu_portail", endpoints::portailHost},
    {"smnu_clsites", endpoints::clsitesHost},
    {"smnu_aide", endpoints::helpHost},
};

}  // namespace

std::span<const FrontPageLink> frontPageLinks()
{
    return frontPages;
}

void bindLinkMenus(MenuBar& menus, WindowServices& services)
{
    QObject* context = &services.window;
    BrowserComponent& wb1 = services.wb1;
    for (const BrowserStep& link : browserSteps)
        menus.bind(link.entry, context, [&link, &wb1] { link.step(wb1); });
    for (const PreferredAddressLink& link : preferredAddressLinks) {
        menus.bind(link.entry, context, [&link, &variables = services.variables, &wb1] {
            // No address chosen yet: there is nothing to visit.
            const QString address = variables.*link.address;
            if (!address.isEmpty())
                wb1.navigate(address);
        });
    }
    for (const FrontPageLink& link : frontPages) {
        menus.bind(link.entry, context, [&link, &wb1] { wb1.navigate(web_addresses::frontPage(link.host)); });
    }
}
