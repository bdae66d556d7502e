#include "MenuBar.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <stdexcept>

// The menu bar against the list the users know, written out here on its own.
class MenuBarTest : public QObject {
    Q_OBJECT

private slots:
    void treeMatchesTheList()
    {
        using Entries = QList<QPair<QString, QString>>;
        const QList<QPair<QPair<QString, QString>, Entries>> expected{
            {{"mnu_fichier", "&Fichier"},
             {{"smnu_source", "So&urce"},
              {"smnu_save", "&Sauvegarder"},
              {"smnu_ouvrir", "&Ouvrir"},
              {"smnu_quitter", "&Quitter"}}},
            {{"mnu_navigation", "&Navigation"},
             {{"smnu_precedente", "&Page précédente"},
              {"smnu_suivante", "&Page suivante"},
              {"smnu_actualiser", "&Actualiser"},
              {"smnu_stopper", "S&topper"},
              {"smnu_siteprefer", "Votre site préféré"},
              {"smnu_moteurie", "Moteur de recherche d'Internet Explorer"},
              {"smnu_homeie", "Page de démarrage d'Internet Explorer"},
              {"smnu_moteurprefer", "Votre moteur de recherche préféré"},
              {"smnu_homepage", "Votre page de démarrage"}}},
            {{"smnu_options", "&Options"},
             {{"smnu_skins", "Skins de Tavrello"},
              {"smnu_site", "&Site préféré"},
              {"smnu_home", "&Page de démarrage"},
              {"smnu_moteur", "&Site de recherche"},
              {"smnu_erreur404", "&Erreur 404"},
              {"smnu_facile", "&Raccourcis"}}},
            {{"mnu_rechercher", "&Rechercher"},
             {{"smnu_meta", "Rechercher avec Ferrovane"},
              {"smnu_rechercherdovrane", "Rechercher avec Dovrane"},
              {"smnu_searchquillabo", "Rechercher un site gratut avec Quillabo"},
              {"smnu_searchtessaly", "Rechercher de nombreux sites utiles avec Tessaly"},
              {"smnu_brumolo", "Rechercher de nombreux sites utiles aux webmasters avec Brumolo"},
              {"smnu_searchbrumolo1", "Rechercher sur le web francophone avec Brumolo"}}},
            {{"mnu_siteswebmasters", "&Sites pour webmasters"},
             {{"smnu_annuprog", "&Annuaire de sites de programmation"},
              {"smnu_exgban", "&Echange de bannières au ratio 1:1"},
              {"smnu_annupart", "&Annuaire de sites recherchant des partenaires"},
              {"smnu_annufree", "&Annuaire de sites gratuits"},
              {"smnu_freerefer", "&Référencement gratuit"},
              {"smnu_portail", "&Portail généraliste francophone"},
              {"smnu_clsites", "&Classement de sites"}}},
            {{"mnu_propos", "&A propos"}, {{"smnu_aide", "&Aide"}, {"smnu_credits", "&Crédits"}}},
        };

        MenuBar bar;
        const QList<QAction*> menus = bar.actions();
        QCOMPARE(menus.size(), expected.size());
        int entryCount = 0;
        for (int m = 0; m < menus.size(); ++m) {
            QMenu* menu = menus[m]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), expected[m].first.first);
            QCOMPARE(menu->title(), expected[m].first.second);
            const QList<QAction*> entries = menu->actions();
            QCOMPARE(entries.size(), expected[m].second.size());
            for (int e = 0; e < entries.size(); ++e) {
                QAction* entry = entries[e];
                QCOMPARE(entry->objectName(), expected[m].second[e].first);
                QCOMPARE(entry->text(), expected[m].second[e].second);
                QVERIFY(entry->shortcuts().isEmpty());
                QVERIFY(!entry->isSeparator());
                QVERIFY(!entry->isCheckable());
                QVERIFY(!entry->menu());
                QVERIFY(entry->isEnabled() && entry->isVisible());
                QCOMPARE(bar.entry(qPrintable(entry->objectName())), entry);
                ++entryCount;
            }
        }
        QCOMPARE(entryCount, 34);
    }

    void misspeltOrRepeatedBindingsFailLoudly()
    {
        MenuBar bar;
        QObject context;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.entry("smnu_inconnu"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.bind("smnu_inconnu", &context, [] {}));
        // A menu only drops down; it takes no handler.
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.bind("mnu_fichier", &context, [] {}));

        int chosen = 0;
        QVERIFY(!bar.isBound("smnu_aide"));
        bar.bind("smnu_aide", &context, [&chosen] { ++chosen; });
        QVERIFY(bar.isBound("smnu_aide"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.bind("smnu_aide", &context, [&chosen] { chosen += 10; }));
        bar.entry("smnu_aide")->trigger();
        QCOMPARE(chosen, 1);
    }
};

QTEST_MAIN(MenuBarTest)
#include "tst_menubar.moc"
