#include "MenuTree.h"

const std::vector<MenuItem>& menuTree()
{
    static const std::vector<MenuItem> tree{
        {"mnu_fichier",
         "&Fichier",
         {{"smnu_source", "So&urce"},
          {"smnu_save", "&Sauvegarder"},
          {"smnu_ouvrir", "&Ouvrir"},
          {"smnu_quitter", "&Quitter"}}},
        {"mnu_navigation",
         "&Navigation",
         // Entries that share an access key (P here, S and A below) are
         // reached by pressing it again; kept: users rely on these captions.
         {{"smnu_precedente", "&Page précédente"},
          {"smnu_suivante", "&Page suivante"},
          {"smnu_actualiser", "&Actualiser"},
          {"smnu_stopper", "S&topper"},
          {"smnu_siteprefer", "Votre site préféré"},
          {"smnu_moteurie", "Moteur de recherche d'Internet Explorer"},
          {"smnu_homeie", "Page de démarrage d'Internet Explorer"},
          {"smnu_moteurprefer", "Votre moteur de recherche préféré"},
          {"smnu_homepage", "Votre page de démarrage"}}},
        // A top-level menu despite the prefix of its name.
        {"smnu_options",
         "&Options",
         {{"smnu_skins", "Skins de Tavrello"},
          {"smnu_site", "&Site préféré"},
          {"smnu_home", "&Page de démarrage"},
          {"smnu_moteur", "&Site de recherche"},
          {"smnu_erreur404", "&Erreur 404"},
          {"smnu_facile", "&Raccourcis"}}},
        {"mnu_rechercher",
         "&Rechercher",
         {{"smnu_meta", "Rechercher avec Ferrovane"},
          {"smnu_rechercherdovrane", "Rechercher avec Dovrane"},
          // "gratut" as written; kept: users rely on this caption.
          {"smnu_searchquillabo", "Rechercher un site gratut avec Quillabo"},
          {"smnu_searchtessaly", "Rechercher de nombreux sites utiles avec Tessaly"},
          {"smnu_brumolo", "Rechercher de nombreux sites utiles aux webmasters avec Brumolo"},
          {"smnu_searchbrumolo1", "Rechercher sur le web francophone avec Brumolo"}}},
        {"mnu_siteswebmasters",
         "&Sites pour webmasters",
         {{"smnu_annuprog", "&Annuaire de sites de programmation"},
          {"smnu_exgban", "&Echange de bannières au ratio 1:1"},
          {"smnu_annupart", "&Annuaire de sites recherchant des partenaires"},
          {"smnu_annufree", "&Annuaire de sites gratuits"},
          {"smnu_freerefer", "&Référencement gratuit"},
          {"smnu_portail", "&Portail généraliste francophone"},
          {"smnu_clsites", "&Classement de sites"}}},
        {"mnu_propos", "&A propos", {{"smnu_aide", "&Aide"}, {"smnu_credits", "&Crédits"}}},
    };
    return tree;
}
