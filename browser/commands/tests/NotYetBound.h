#pragma once

#include <QStringList>

// Menu entries that no binder handles yet, grouped by the binder that will.
// A binder that lands deletes its group; the list is empty once every
// command of the menu bar exists.
inline const QStringList notYetBound{
    // bindFileCommands
    "smnu_source",
    "smnu_save",
    "smnu_ouvrir",
    "smnu_quitter",

    // bindLinkMenus
    "smnu_precedente",
    "smnu_suivante",
    "smnu_actualiser",
    "smnu_stopper",
    "smnu_siteprefer",
    "smnu_moteurie",
    "smnu_homeie",
    "smnu_moteurprefer",
    "smnu_homepage",
    "smnu_searchtessaly",
    "smnu_annuprog",
    "smnu_exgban",
    "smnu_annupart",
    "smnu_annufree",
    "smnu_freerefer",
    "smnu_portail",
    "smnu_clsites",
    "smnu_aide",

    // bindSiteSearches
    "smnu_meta",
    "smnu_rechercherdovrane",
    "smnu_searchquillabo",
    "smnu_brumolo",
    "smnu_searchbrumolo1",

    // bindSkins
    "smnu_skins",
};
