#include "Endpoints.h"
#include "FakeSession.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <stdexcept>

// The menu bar of a session on the real main window: its menus against the
// list the users know, written out here on its own, and the windows it opens,
// which share the window's variables, files and page view.
class MainWindowCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeSession> m_fixture;

    MainWindow& window() const { return m_fixture->window(); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<FakeSession>();
        window().show();
    }
    void cleanup() { m_fixture.reset(); }

    void everyEntryOfTheListIsOnTheWindowAndBound()
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

        MenuBar& bar = m_fixture->menus();
        QCOMPARE(window().menuBar(), static_cast<QMenuBar*>(&bar));
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
                QVERIFY2(bar.isBound(qPrintable(entry->objectName())), qPrintable(entry->objectName()));
                ++entryCount;
            }
        }
        QCOMPARE(entryCount, 34);
    }

    void misspeltOrRepeatedBindingsFailLoudly()
    {
        QVERIFY(!MenuBar().isBound("smnu_aide"));
        MenuBar& bar = m_fixture->menus();
        QObject context;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.entry("smnu_inconnu"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.bind("smnu_inconnu", &context, [] {}));
        // A menu only drops down; it takes no handler.
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.bind("mnu_fichier", &context, [] {}));

        int chosen = 0;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.bind("smnu_aide", &context, [&chosen] { ++chosen; }));
        bar.entry("smnu_aide")->trigger();
        QCOMPARE(chosen, 0);
        QCOMPARE(m_fixture->wb1->navigations.size(), 1);
    }

    void newShortcutIsFollowedAtOnce()
    {
        m_fixture->trigger("smnu_facile");
        QWidget* editor = openWindow("f_facile");
        child<QLineEdit>(editor, "Text1")->setText(QStringLiteral("journal"));
        child<QLineEdit>(editor, "Text2")->setText(QStringLiteral("http://journal.test/"));
        QTest::mouseClick(child<QPushButton>(editor, "Command1"), Qt::LeftButton);

        child<QLineEdit>(&window(), "txt_facile")->setText(QStringLiteral("journal"));
        QTest::mouseClick(child<QPushButton>(&window(), "Command2"), Qt::LeftButton);
        QCOMPARE(m_fixture->wb1->navigations, QStringList{"http://journal.test/"});
    }

    void errorPageDialogSetsTheWindowsVariable()
    {
        Variables& variables = m_fixture->services().variables;
        variables.url_erreur404 = QStringLiteral("http://remplacement.test/");
        m_fixture->trigger("smnu_erreur404");
        QVERIFY(!window().isEnabled());
        QTest::mouseClick(child<QPushButton>(openWindow("f_erreur"), "Command1"), Qt::LeftButton);
        QVERIFY(window().isEnabled());
        QVERIFY(variables.url_erreur404.isEmpty());

        // The window's own error-page replacement reads the same variable.
        variables.url_erreur404 = QStringLiteral("http://remplacement.test/");
        m_fixture->wb1->showPage("http://nohost.invalid/", "Impossible de trouver le serveur");
        QCOMPARE(m_fixture->wb1->navigations, QStringList{"http://remplacement.test/"});
    }

    void preferredSiteStoredInItsDialogIsVisitedAtOnce()
    {
        m_fixture->trigger("smnu_site");
        QWidget* dialog = openWindow("f_site");
        child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("http://prefere.test/"));
        QTest::mouseClick(child<QPushButton>(dialog, "Command1"), Qt::LeftButton);

        m_fixture->trigger("smnu_siteprefer");
        QCOMPARE(m_fixture->wb1->navigations, QStringList{"http://prefere.test/"});
        QCOMPARE(readBytes(m_fixture->programFile("site.txt")), QByteArray("http://prefere.test/\r\n"));
    }

    void aboutWindowLinksNavigateThePageViewAndTheWindowStays()
    {
        m_fixture->trigger("smnu_credits");
        QWidget* about = openWindow("f_credits");
        // The photograph comes from the library's own resources.
        QCOMPARE(child<QLabel>(about, "Image1")->pixmap().size(), QSize(480, 640));
        QCOMPARE(accessibilityFaults(about), QStringList());

        QTest::mouseClick(child(about, "Label3"), Qt::LeftButton);
        QTest::mouseClick(child(about, "Label5"), Qt::LeftButton);
        // The other labels and the picture are not links.
        for (const char* name : {"Label1", "Label2", "Label4", "Image1"})
            QTest::mouseClick(child(about, name), Qt::LeftButton);
        // Reachable from the keyboard too.
        QTest::keyClick(child(about, "Label3"), Qt::Key_Return);

        const QString mail = QStringLiteral("mailto:") + QString::fromUtf8(endpoints::authorEmail);
        const QString site = QStringLiteral("http://") + QString::fromUtf8(endpoints::directoryHost);
        QCOMPARE(m_fixture->wb1->navigations, (QStringList{mail, site, mail}));
        QVERIFY(about->isVisible() && window().isEnabled());

        QTest::mouseClick(child<QPushButton>(about, "Command1"), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "tst_mainwindowcommands.moc"
