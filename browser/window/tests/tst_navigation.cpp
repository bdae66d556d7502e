#include "AddressBar.h"
#include "FakeBrowserComponent.h"
#include "PageRules.h"
#include "ShortcutTable.h"
#include "WebAddresses.h"

#include "Endpoints.h"

#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

void fill(QStandardItemModel& model, const QStringList& entries)
{
    for (const QString& e : entries)
        model.appendRow(new QStandardItem(e));
}

QStringList entriesOf(const QStandardItemModel& model)
{
    QStringList entries;
    for (int i = 0; i < model.rowCount(); ++i)
        entries.append(model.data(model.index(i, 0)).toString());
    return entries;
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_history = m_dir->filePath("historique.txt");
    }

    void visitStoresInFirstEmptyPosition_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("slot");
        QTest::newRow("appended") << QStringList{"a", "b", "c"} << QStringList{"a", "b", "c", "typed"} << 3;
        QTest::newRow("empty entry reused") << QStringList{"a", "", "c"} << QStringList{"a", "typed", "c"} << 1;
        QTest::newRow("empty list") << QStringList{} << QStringList{"typed"} << 0;
    }
    void visitStoresInFirstEmptyPosition()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, slot);
        QStandardItemModel list;
        fill(list, before);
        FakeBrowserComponent wb1;
        qint16 historySlot = 0;
        const auto outcome = AddressBar::visit(list, historySlot, "typed", m_history, wb1);
        QCOMPARE(entriesOf(list), after);
        QCOMPARE(historySlot, qint16(slot));
        QVERIFY(outcome.historySaved);
        QCOMPARE(readBytes(m_history), QByteArray("typed\r\n"));
        QCOMPARE(wb1.navigations, QStringList{"typed"});
    }

    void visitKeepsTheTextAsTyped()
    {
        QStandardItemModel list;
        FakeBrowserComponent wb1;
        qint16 slot = 0;
        const QString typed = QStringLiteral("  www.Exemple.test/page d'été ");
        AddressBar::visit(list, slot, typed, m_history, wb1);
        AddressBar::visit(list, slot, typed, m_history, wb1);
        QCOMPARE(entriesOf(list), (QStringList{typed, typed}));
        QCOMPARE(wb1.navigations, (QStringList{typed, typed}));
        const QByteArray line = "  www.Exemple.test/page d'\xe9t\xe9 \r\n";
        QCOMPARE(readBytes(m_history), line + line);
    }

    void fullHistoryStillTakesTheTypedAddress()
    {
        QStringList full;
        for (int i = 0; i <= AddressBar::lastHistoryPosition; ++i)
            full.append(QStringLiteral("http://old%1.test/").arg(i));
        QStandardItemModel list;
        fill(list, full);
        FakeBrowserComponent wb1;
        qint16 slot = 7;
        const auto outcome = AddressBar::visit(list, slot, "http://new.test/", m_history, wb1);
        QCOMPARE(outcome.position, 1001);
        QCOMPARE(list.rowCount(), 1002);
        QCOMPARE(slot, qint16(1001));
        QCOMPARE(wb1.navigations, QStringList{"http://new.test/"});
        QCOMPARE(readBytes(m_history), QByteArray("http://new.test/\r\n"));
    }

    void shortcutLookup_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");  // null: no visit
        const QStringList pairs{"meteo", "http://meteo.test/", "news", "http://news.test/"};
        QTest::newRow("keyword found") << pairs << "news"
                                       << "http://news.test/";
        QTest::newRow("unknown word") << pairs << "sport" << QString();
        QTest::newRow("case matters") << pairs << "Meteo" << QString();
        QTest::newRow("no trimming") << pairs << "meteo " << QString();
        QTest::newRow("address lines are not keywords") << pairs << "http://meteo.test/" << QString();
        QTest::newRow("later pair wins") << QStringList{"m", "http://first.test/", "x", "y", "m", "http://second.test/"}
                                         << "m"
                                         << "http://second.test/";
        QTest::newRow("keyword on last line") << QStringList{"a", "b", "m"} << "m" << QString();
        QTest::newRow("empty file") << QStringList{} << "m" << QString();
    }
    void shortcutLookup()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, typed);
        QFETCH(QString, address);
        const auto found = ShortcutTable(lines).addressFor(typed);
        QCOMPARE(found.has_value(), !address.isNull());
        if (found)
            QCOMPARE(*found, address);
    }

    void searchAddressIsNotEncoded()
    {
        const QString host = QString::fromUtf8(endpoints::makerHost);
        QCOMPARE(web_addresses::directorySearch("deux mots&x=%20"),
                 "http://" + host + "/cgi-bin/annuaire/recherche.cgi?tsearch=deux mots&x=%20");
        QCOMPARE(web_addresses::directorySearch(""), "http://" + host + "/cgi-bin/annuaire/recherche.cgi?tsearch=");
        QCOMPARE(web_addresses::bannerPicture(), "http://" + host + "/dovrane/images/bandovrane.gif");
    }

    void errorPageReplacement_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("replaced");
        const QString notFound = QString::fromUtf8(page_rules::notFoundTitle);
        QTest::newRow("not found") << notFound << "http://nohost.invalid/"
                                   << "/tmp/erreur.html" << true;
        QTest::newRow("no replacement set") << notFound << "http://nohost.invalid/"
                                            << "" << false;
        QTest::newRow("small first letter") << "impossible de trouver le serveur"
                                            << "http://a.invalid/"
                                            << "/tmp/erreur.html" << false;
        QTest::newRow("page merely titled so") << notFound << "http://real.test/page.html"
                                               << "http://erreur.test/" << true;
        QTest::newRow("replacement itself not found") << notFound << "http://erreur.invalid/"
                                                      << "http://erreur.invalid/" << false;
        QTest::newRow("local replacement not found") << notFound << "file:///tmp/erreur.html"
                                                     << "/tmp/erreur.html" << false;
    }
    void errorPageReplacement()
    {
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(QString, replacement);
        QFETCH(bool, replaced);
        QCOMPARE(page_rules::replacesErrorPage(name, url, replacement), replaced);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_history;
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
