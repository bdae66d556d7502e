#include "FakeInputBox.h"
#include "LocalHttpServer.h"
#include "SearchMenu.h"
#include "WebAddresses.h"
#include "WebEngineBrowser.h"

#include <QTest>
#include <QUrl>

namespace {

constexpr int loadTimeout = 60000;

}  // namespace

// A search of the menu on the real engine, its site replaced by a local
// server: the words reach the server as the user typed them.
class SiteSearchWebEngineTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void wordsReachTheServerAsTyped()
    {
        LocalHttpServer server;
        QVERIFY(server.listen());
        // Only the host changes: path, key and suffix are Ferrovane's own.
        const QByteArray localHost = QUrl(server.url("/")).authority().toLatin1();
        web_addresses::SearchScript local = web_addresses::ferrovaneSearchScript;
        local.host = localHost.constData();
        const SiteSearch pointed{"Rechercher avec Ferrovane", "Entrez le ou les mots clé recherchés :", &local};

        const QString typed = QStringLiteral(" deux mots & clés+été=1 ");
        FakeInputBox input;
        input.answers = {typed};
        WebEngineBrowser wb1;
        wb1.widget()->resize(400, 300);
        searchSite(pointed, input, nullptr, wb1);

        // The engine may ask for the site's icon afterwards; the search comes first.
        QTRY_VERIFY_WITH_TIMEOUT(!server.requestTargets().isEmpty(), loadTimeout);
        // Spaces and accented letters travel percent-encoded, as the engine
        // must send them; everything else is as typed.
        QCOMPARE(server.requestTargets().first(),
                 QByteArray("/cgi-bin/meta-bin/nph-chatologica.pl?qry=%20deux%20mots%20&%20cl%C3%A9s+%C3%A9t%C3%A9=1%20"
                            "&catg=web"));
        QCOMPARE(QUrl::fromPercentEncoding(server.requestTargets().first()),
                 QStringLiteral("/cgi-bin/meta-bin/nph-chatologica.pl?qry=") + typed + QStringLiteral("&catg=web"));
    }
};

QTEST_MAIN(SiteSearchWebEngineTest)
#include "tst_sitesearch_webengine.moc"
