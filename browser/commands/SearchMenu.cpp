#include "SiteSearches.h"

#include "BrowserComponent.h"
#include "InputBox.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "WebAddresses.h"
#include "WindowServices.h"

namespace {

// The two prompts differ only by the plural of "clé".
constexpr const char* promptOneWord = "Entrez le ou les mots clé recherchés :";
constexpr const char* promptWords = "Entrez le ou les mots clés recherchés :";

// Titles as the users know them, the lower-case "rechercher" included.
const SiteSearch searches[] = {
    {"smnu_meta", "Rechercher avec Ferrovane", promptOneWord, &web_addresses::ferrovaneSearchScript},
    {"smnu_rechercherdovrane", "Rechercher avec Dovrane", promptWords, &web_addresses::directorySearchScript},
    {"smnu_searchquillabo", "Rechercher des sites gratuits pour webmasters avec Quillabo", promptWords,
     &web_addresses::quillaboSearchScript},
    {"smnu_brumolo", "Rechercher avec Brumolo", promptOneWord, &web_addresses::brumoloSearchScript},
    {"smnu_searchbrumolo1", "rechercher sur le web francophone avec Brumolo", promptWords,
     &web_addresses::brumoloFrSearchScript},
};

}  // namespace

std::span<const SiteSearch> siteSearches()
{
    return searches;
}

void searchSite(const SiteSearch& search, InputBox& input, QWidget* parent, BrowserComponent& wb1)
{
    const QString words =
        input.ask(parent, QString::fromUtf8(search.title), QString::fromUtf8(search.prompt)).value_or(QString());
    wb1.navigate(web_addresses::searchAddress(*search.script, words));
}

void bindSiteSearches(MenuBar& menus, WindowServices& services)
{
    for (const SiteSearch& search : searches) {
        menus.bind(search.entry, &services.window,
                   [&search, &services] { searchSite(search, services.input, &services.window, services.wb1); });
    }
}
