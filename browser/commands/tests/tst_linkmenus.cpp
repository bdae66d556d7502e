#include "Endpoints.h"
#include "FakeSession.h"

#include <QAction>
#include <QSet>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

// The seven web-master sites, the Tessaly directory and the help site.
const std::pair<const char*, const char*> fixedSites[] = {
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

// The entries that send the page view somewhere without asking anything.
class LinkMenusTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<FakeSession>(); }
    void cleanup() { m_fixture.reset(); }

    void browserOperations_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("call");
        QTest::newRow("back") << "smnu_precedente"
                              << "goBack";
        QTest::newRow("forward") << "smnu_suivante"
                                 << "goForward";
        QTest::newRow("refresh") << "smnu_actualiser"
                                 << "refresh";
        QTest::newRow("stop") << "smnu_stopper"
                              << "stop";
        QTest::newRow("system search page") << "smnu_moteurie"
                                            << "goSearch";
        QTest::newRow("system start page") << "smnu_homeie"
                                           << "goHome";
    }
    void browserOperations()
    {
        QFETCH(QString, entry);
        QFETCH(QString, call);
        // Nothing behind or ahead: the fake refuses both steps, which stays unnoticed.
        m_fixture->trigger(qPrintable(entry));
        m_fixture->trigger(qPrintable(entry));
        QCOMPARE(m_fixture->wb1->calls, QStringList({call, call}));
        QVERIFY(m_fixture->wb1->navigations.isEmpty());
        QVERIFY(m_fixture->messages->texts.isEmpty());
    }

    void frontPagesOfFixedSites_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("address");
        for (const auto& [entry, host] : fixedSites)
            QTest::newRow(entry) << QString::fromLatin1(entry) << QStringLiteral("http://") + QLatin1String(host);
    }
    void frontPagesOfFixedSites()
    {
        QFETCH(QString, entry);
        QFETCH(QString, address);
        m_fixture->trigger(qPrintable(entry));
        QCOMPARE(m_fixture->wb1->navigations, QStringList{address});
        QVERIFY(m_fixture->wb1->calls.isEmpty());
    }

    void preferredAddressesAreReadAtEachClick_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("variable");
        QTest::newRow("site") << "smnu_siteprefer" << 0;
        QTest::newRow("search site") << "smnu_moteurprefer" << 1;
        QTest::newRow("home page") << "smnu_homepage" << 2;
    }
    void preferredAddressesAreReadAtEachClick()
    {
        QFETCH(QString, entry);
        QFETCH(int, variable);
        Variables& variables = m_fixture->services().variables;
        QString* const addresses[] = {&variables.url_site, &variables.url_moteur, &variables.url_home};
        // The other two hold addresses of their own, which must not be taken.
        variables = {"http://home.test/", "http://site.test/", "http://moteur.test/", "http://erreur.test/"};
        const QString first = *addresses[variable];

        m_fixture->trigger(qPrintable(entry));
        *addresses[variable] = QStringLiteral("C:\\Mes pages\\nouvelle page.htm");
        m_fixture->trigger(qPrintable(entry));
        // Not chosen yet: nothing to visit.
        addresses[variable]->clear();
        m_fixture->trigger(qPrintable(entry));

        QCOMPARE(m_fixture->wb1->navigations, QStringList({first, "C:\\Mes pages\\nouvelle page.htm"}));
        QVERIFY(m_fixture->wb1->calls.isEmpty());
    }

    void fixedHostsDifferFromOneAnotherAndFromSearches()
    {
        QSet<QString> hosts;
        for (const auto& [entry, host] : fixedSites)
            hosts.insert(QString::fromLatin1(host).toLower());
        QCOMPARE(hosts.size(), 9);
        for (const char* search :
             {"smnu_meta", "smnu_rechercherdovrane", "smnu_searchquillabo", "smnu_brumolo", "smnu_searchbrumolo1"}) {
            m_fixture->trigger(search);
            QVERIFY2(!hosts.contains(QUrl(m_fixture->wb1->navigations.last()).host().toLower()), search);
        }
    }

private:
    std::unique_ptr<FakeSession> m_fixture;
};

QTEST_MAIN(LinkMenusTest)
#include "tst_linkmenus.moc"
