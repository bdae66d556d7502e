#include "CommandLine.h"

#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void menuStartAddressAndAnythingElse()
    {
        const auto plain = command_line::parse({"tavrello"});
        QVERIFY(plain);
        QCOMPARE(plain->startedFrom, ProgramFolder::StartedFrom::Elsewhere);
        QCOMPARE(plain->address, QString());

        // The desktop entry's %u comes after the option, a terminal may put it first.
        const auto link = command_line::parse({"tavrello", "http://exemple.test/a b", "--depuis-le-menu"});
        QVERIFY(link);
        QCOMPARE(link->startedFrom, ProgramFolder::StartedFrom::DesktopEntry);
        QCOMPARE(link->address, QStringLiteral("http://exemple.test/a b"));

        QVERIFY(!command_line::parse({"tavrello", "--inconnue"}));
        QVERIFY(!command_line::parse({"tavrello", "-x", "page.html"}));
        QVERIFY(!command_line::parse({"tavrello", "une.test", "deux.test"}));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
