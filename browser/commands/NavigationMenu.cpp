#include "NavigationMenu.h"

#include "BrowserComponent.h"
#include "MenuTable.h"
#include "PageSteps.h"
#include "Variables.h"
#include "WindowServices.h"

namespace {

// A call on the page view, such as a visit of the system browser's own pages.
std::function<void(WindowServices&)> onPageView(void (*call)(BrowserComponent& pageView))
{
    return [call](WindowServices& services) { call(services.pageView); };
}

MenuEntry entryOf(page_steps::Step step)
{
    const page_steps::PageStep& pageStep = page_steps::of(step);
    return {pageStep.menuName, pageStep.menuCaption,
            [&pageStep](WindowServices& services) { pageStep.take(services.pageView); }};
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

const MenuEntry entries[] = {
    entryOf(page_steps::Step::Back),
    entryOf(page_steps::Step::Forward),
    entryOf(page_steps::Step::Refresh),
    entryOf(page_steps::Step::Stop),
    {"smnu_siteprefer", "Votre site préféré", visitPreferred(&Variables::url_site)},
    {"smnu_moteurie", "Moteur de recherche d'Internet Explorer",
     onPageView([](BrowserComponent& view) { view.goSearch(); })},
    {"smnu_homeie", "Page de démarrage d'Internet Explorer", onPageView([](BrowserComponent& view) { view.goHome(); })},
    {"smnu_moteurprefer", "Votre moteur de recherche préféré", visitPreferred(&Variables::url_moteur)},
    {"smnu_homepage", "Votre page de démarrage", visitPreferred(&Variables::url_home)},
};

}  // namespace

const Menu& navigationMenu()
{
    static const Menu menu{"mnu_navigation", "&Navigation", entries};
    return menu;
}
