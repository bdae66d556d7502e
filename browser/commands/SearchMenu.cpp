#include "SearchMenu.h"

#include "BrowserComponent.h"
#include "Endpoints.h"
#include "InputBox.h"
#include "MainWindow.h"
#include "MenuTable.h"
#include "WebAddresses.h"
#include "WindowServices.h"

namespace {

// The two prompts differ only by the plural of "clé".
constexpr const char* promptOneWord = "Entrez le ou les mots clé recherchés :";
constexpr const char* promptWords = "Entrez le ou les mots clés recherchés :";

std::function<void(WindowServices&)> searchWith(SiteSearch search)
{
    return
        [search](WindowServices& services) { searchSite(search, services.input, &services.window, services.pageView); };
}

// Titles of the input boxes as the users know them, the lower-case
// "rechercher" included; "gratut" as written in a caption, kept too.
const MenuEntry entries[] = {
    {"smnu_meta", "Rechercher avec Ferrovane",
     searchWith({"Rechercher avec Ferrovane", promptOneWord, &web_addresses::ferrovaneSearchScript})},
    {"smnu_rechercherdovrane", "Rechercher avec Dovrane",
     searchWith({"Rechercher avec Dovrane", promptWords, &web_addresses::directorySearchScript})},
    {"smnu_searchquillabo", "Rechercher un site gratut avec Quillabo",
     searchWith({"Rechercher des sites gratuits pour webmasters avec Quillabo", promptWords,
                 &web_addresses::quillaboSearchScript})},
    {"smnu_searchtessaly", "Rechercher de nombreux sites utiles avec Tessaly", visitFrontPage(endpoints::tessalyHost)},
    {"smnu_brumolo", "Rechercher de nombreux sites utiles aux webmasters avec Brumolo",
     searchWith({"Rechercher avec Brumolo", promptOneWord, &web_addresses::brumoloSearchScript})},
    {"smnu_searchbrumolo1", "Rechercher sur le web francophone avec Brumolo",
     searchWith(
         {"rechercher sur le web francophone avec Brumolo", promptWords, &web_addresses::brumoloFrSearchScript})},
};

}  // namespace

const Menu& searchMenu()
{
    static const Menu menu{"mnu_rechercher", "&Rechercher", entries};
    return menu;
}

void searchSite(const SiteSearch& search, InputBox& input, QWidget* parent, BrowserComponent& pageView)
{
    const QString words =
        input.ask(parent, QString::fromUtf8(search.title), QString::fromUtf8(search.prompt)).value_or(QString());
    pageView.navigate(web_addresses::searchAddress(*search.script, words));
}
