#include "FakeSession.h"
#include "Endpoints.h"

#include <QAction>
#include <QTest>

#include <memory>

using Answer = std::optional<QString>;
Q_DECLARE_METATYPE(Answer)

namespace {

const QString promptOneWord = QStringLiteral("Entrez le ou les mots clé recherchés :");
const QString promptWords = QStringLiteral("Entrez le ou les mots clés recherchés :");

QString searchScript(const char* host, const char* pathAndKey)
{
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(pathAndKey);
}

}  // namespace

// The five searches of the "Rechercher" menu, against a fake page view and a
// scripted input box.
class SiteSearchesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<FakeSession>(); }
    void cleanup() { m_fixture.reset(); }

    void eachSearchSendsTheWordsAsTyped_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("words");

        struct Row {
            const char* entry;
            QString title;
            QString prompt;
            QString prefix;
            QString suffix;
        };
        const Row rows[] = {
            {"smnu_meta", "Rechercher avec Ferrovane", promptOneWord,
             searchScript(endpoints::ferrovaneHost, "/cgi-bin/meta-bin/nph-chatologica.pl?qry="), "&catg=web"},
            // The same script as the main window's web search.
            {"smnu_rechercherdovrane", "Rechercher avec Dovrane", promptWords,
             searchScript(endpoints::makerHost, "/cgi-bin/annuaire/recherche.cgi?tsearch="), ""},
            {"smnu_searchquillabo", "Rechercher des sites gratuits pour webmasters avec Quillabo", promptWords,
             searchScript(endpoints::quillaboHost, "/gratuits/cgi-bin/search.cgi?query="), ""},
            {"smnu_brumolo", "Rechercher avec Brumolo", promptOneWord,
             searchScript(endpoints::brumoloHost, "/cgi-bin/links/search.cgi?query="), ""},
            {"smnu_searchbrumolo1", "rechercher sur le web francophone avec Brumolo", promptWords,
             searchScript(endpoints::brumoloFrHost, "/_vti_bin/links/search.cgi?query="), ""},
        };
        const struct {
            const char* name;
            Answer answer;
            QString words;
        } cases[] = {
            {"confirmed", QStringLiteral("tavrello"), QStringLiteral("tavrello")},
            {"cancelled", std::nullopt, QString()},
            {"empty", QString(), QString()},
            {"spaces kept", QStringLiteral("  deux  mots "), QStringLiteral("  deux  mots ")},
            {"ampersand", QStringLiteral("a&b=c"), QStringLiteral("a&b=c")},
            {"hash", QStringLiteral("c#d"), QStringLiteral("c#d")},
            {"accents", QStringLiteral("clé été+%20"), QStringLiteral("clé été+%20")},
        };
        for (const Row& row : rows) {
            for (const auto& c : cases) {
                QTest::addRow("%s %s", row.entry, c.name) << QString::fromLatin1(row.entry) << row.title << row.prompt
                                                          << row.prefix << row.suffix << c.answer << c.words;
            }
        }
    }

    void eachSearchSendsTheWordsAsTyped()
    {
        QFETCH(QString, entry);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(Answer, answer);
        QFETCH(QString, words);

        m_fixture->input->answers = {answer};
        m_fixture->trigger(qPrintable(entry));

        QCOMPARE(m_fixture->input->titles, QStringList{title});
        QCOMPARE(m_fixture->input->prompts, QStringList{prompt});
        QCOMPARE(m_fixture->wb1->navigations, QStringList{prefix + words + suffix});
        QCOMPARE(m_fixture->wb1->calls, QStringList());
        QCOMPARE(m_fixture->messages->texts, QStringList());
        // Searches are not visits from the address bar: no history.
        QVERIFY(!QFile::exists(m_fixture->currentFile("historique.txt")));
    }

private:
    std::unique_ptr<FakeSession> m_fixture;
};

QTEST_MAIN(SiteSearchesTest)
#include "tst_sitesearches.moc"
