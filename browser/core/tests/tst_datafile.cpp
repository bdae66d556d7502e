#include "DataFile.h"
#include "StartupFiles.h"
#include "FailureReasons.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"

#include <cerrno>
#include <memory>
#include <sys/stat.h>

class DataFileTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(char(b));
        const QString path = dir().filePath("bytes.txt");
        writeBytes(path, all + "\r\n");
        const QString line = DataFile(path).readFirstLine();
        QCOMPARE(line.size(), all.size());
        // The code page's own letters, not Latin-1's control characters.
        QVERIFY(line.contains(QChar(0x20AC)));  // 0x80
        QVERIFY(line.contains(QChar(0x0153)));  // 0x9C
        QVERIFY(line.contains(QChar(0x2019)));  // 0x92
        // Every letter as the system's own converter reads it.
        QStringDecoder system("windows-1252");
        QVERIFY(system.isValid());
        QCOMPARE(line, system.decode(all));

        DataFile out(dir().filePath("copy.txt"));
        QVERIFY(out.replaceWithLine(line));
        QCOMPARE(readBytes(out.path()), all + "\r\n");
        // Outside the code page: one replacement byte, never a broken line.
        QVERIFY(out.replaceWithLine(QStringLiteral("a\u4e2db")));
        QCOMPARE(readBytes(out.path()), QByteArray("a?b\r\n"));
    }

    void linesEndAtCrLfLoneCrOrLoneLf()
    {
        const QString path = dir().filePath("mixed.txt");
        writeBytes(path, "one\r\ntwo\nthree\rfour\r\rsix\r\n\r\nlast");
        QCOMPARE(DataFile(path).readLines(), (QStringList{"one", "two", "three", "four", "", "six", "", "last"}));
        writeBytes(path, "a\r\n");
        QCOMPARE(DataFile(path).readLines(), QStringList{"a"});
    }

    void readersTakeAtMost1001Lines()
    {
        const QString path = dir().filePath("long.txt");
        QByteArray bytes;
        for (int i = 0; i < 1200; ++i)
            bytes += "line" + QByteArray::number(i) + "\r\n";
        writeBytes(path, bytes);
        const QStringList lines = DataFile(path).readLines();
        QCOMPARE(lines.size(), 1001);
        QCOMPARE(lines.last(), QStringLiteral("line1000"));
        QCOMPARE(startup_files::readHistory(path).size(), 1001);
        QCOMPARE(readBytes(path), bytes);  // reading never changes the file
    }

    void badFilesReadAsEmpty()
    {
        QCOMPARE(DataFile(dir().filePath("missing.txt")).readFirstLine(), QString());
        QVERIFY(DataFile(dir().filePath("missing.txt")).readLines().isEmpty());
        writeBytes(dir().filePath("empty.txt"), {});
        QCOMPARE(DataFile(dir().filePath("empty.txt")).readFirstLine(), QString());
        QVERIFY(QDir(dir().path()).mkdir("folder.txt"));
        QCOMPARE(DataFile(dir().filePath("folder.txt")).readFirstLine(), QString());
        QVERIFY(DataFile(dir().filePath("folder.txt")).readLines().isEmpty());

        // Neither opened nor written: a pipe would wait for a writer, a device
        // be read or written without end.
        const WatchedPipe pipe(dir().filePath("pipe.txt"));
        DataFile piped(dir().filePath("pipe.txt"));
        QVERIFY(QFile::link("/dev/zero", dir().filePath("zero.txt")));
        DataFile zero(dir().filePath("zero.txt"));
        QVERIFY(piped.readLines().isEmpty());
        QVERIFY(zero.readLines().isEmpty());
        QVERIFY(!piped.replaceWithLine("x"));
        QVERIFY(!piped.appendLines({"x"}));
        QCOMPARE(piped.errorString(), QStringLiteral("ce n'est pas un fichier ordinaire"));
        QVERIFY(!zero.replaceWithLine("x"));
        QCOMPARE(zero.errorString(), QStringLiteral("ce n'est pas un fichier ordinaire"));
        QCOMPARE(pipe.readers(), 0);
    }

    void hugeLineAndBinaryGarbage()
    {
        const QString path = dir().filePath("huge.txt");
        QByteArray garbage(10 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < garbage.size(); ++i) {
            const char c = char((quint64(i) * 7919u) % 256u);
            garbage[i] = (c == '\n' || c == '\r') ? 'x' : c;
        }
        writeBytes(path, garbage + "\r\nsecond\r\n");
        // Cut at the bound, which ends the reading.
        const QStringList lines = DataFile(path).readLines();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0), windows1252::decode(garbage.left(DataFile::maxLineBytes)));
    }

    void writersReplaceOrAppendOrSayWhyNot()
    {
        DataFile shortcuts(dir().filePath("raccourcis.txt"));
        QVERIFY(shortcuts.appendLines({"k1", "a1"}));
        QVERIFY(shortcuts.appendLines({"k2", "a2"}));
        QCOMPARE(readBytes(shortcuts.path()), QByteArray("k1\r\na1\r\nk2\r\na2\r\n"));

        // Failed writes say why, in French.
        QVERIFY(QDir(dir().path()).mkdir("folder.txt"));
        DataFile f(dir().filePath("folder.txt"));
        QVERIFY(!f.appendLines({"x"}));
        QCOMPARE(f.errorString(), QStringLiteral("un dossier porte déjà ce nom"));
        QVERIFY(!f.replaceWithLine("x"));
        QCOMPARE(f.errorString(), QStringLiteral("un dossier porte déjà ce nom"));
        DataFile g(dir().filePath("no/such/folder/file.txt"));
        QVERIFY(!g.replaceWithLine("x"));
        QCOMPARE(g.errorString(), QStringLiteral("le dossier « %1 » n'existe pas")
                                      .arg(QDir::toNativeSeparators(dir().filePath("no/such/folder"))));

        // A write that fails once the old line would have been erased keeps
        // it and leaves no temporary file; a success keeps the permissions.
        DataFile home(dir().filePath("home.txt"));
        writeBytes(home.path(), "http://ancienne.exemple/\r\n");
        QCOMPARE(chmod(qPrintable(home.path()), 0604), 0);
        withFileSizeLimit(8, [&] { QVERIFY(!home.replaceWithLine(QStringLiteral("http://nouvelle.exemple/"))); });
        QCOMPARE(home.errorString(), QStringLiteral("le fichier est trop grand pour ce disque"));
        QCOMPARE(readBytes(home.path()), QByteArray("http://ancienne.exemple/\r\n"));
        QCOMPARE(QDir(dir().path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"home.txt", "raccourcis.txt"}));
        const QFile::Permissions permissions = QFile::permissions(home.path());
        QVERIFY(home.replaceWithLine(QStringLiteral("neuf")));
        QCOMPARE(readBytes(home.path()), QByteArray("neuf\r\n"));
        QCOMPARE(QFile::permissions(home.path()), permissions);

        // A link stays a link: the file it leads to is the one replaced.
        QVERIFY(QFile::link("home.txt", dir().filePath("skins.txt")));
        QVERIFY(DataFile(dir().filePath("skins.txt")).replaceWithLine(QStringLiteral("neuf.bmp")));
        QVERIFY(QFileInfo(dir().filePath("skins.txt")).isSymLink());
        QCOMPARE(readBytes(home.path()), QByteArray("neuf.bmp\r\n"));

        // A folder that cannot take a temporary file: the file is written in place.
        const QString locked = dir().filePath("protege");
        QVERIFY(QDir(dir().path()).mkdir("protege"));
        DataFile search(locked + "/search.txt");
        writeBytes(search.path(), "ancien\r\n");
        QCOMPARE(chmod(qPrintable(search.path()), 0666) + chmod(qPrintable(dir().path()), 0755), 0);
        QCOMPARE(chmod(qPrintable(locked), 0555), 0);
        asOrdinaryUser([&] { QVERIFY2(search.replaceWithLine("neuf"), qPrintable(search.errorString())); });
        QCOMPARE(chmod(qPrintable(locked), 0755), 0);
        QCOMPARE(readBytes(search.path()), QByteArray("neuf\r\n"));
    }

    void writeFailuresNameTheCommonCauses()
    {
        const QString file = dir().filePath("site.txt");
        QCOMPARE(failure_reasons::ofWrite(file, EACCES, "Permission denied"),
                 QStringLiteral("l'accès à ce fichier ou à son dossier est refusé"));
        QCOMPARE(failure_reasons::ofWrite(file, EROFS, "Read-only file system"),
                 QStringLiteral("l'accès à ce fichier ou à son dossier est refusé"));
        QCOMPARE(failure_reasons::ofWrite(file, ETXTBSY, "Text file busy"),
                 QStringLiteral("le fichier est utilisé par un autre programme"));
        QCOMPARE(failure_reasons::ofWrite(file, EDQUOT, "Disk quota exceeded"), QStringLiteral("le disque est plein"));
        // Rarer causes keep the system's own words.
        QCOMPARE(failure_reasons::ofWrite(file, EIO, "Input/output error"), QStringLiteral("Input/output error"));
        QCOMPARE(failure_reasons::ofWrite(file, 0, "Unknown error"), QStringLiteral("Unknown error"));
    }

    void historyStopsAtARepeatedLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("repeat ends loading") << QByteArray("a\r\nb\r\nb\r\nc\r\n") << QStringList{"a", "b"};
        QTest::newRow("empty first line") << QByteArray("\r\na\r\nb\r\n") << QStringList{};
        QTest::newRow("repeat apart is kept") << QByteArray("a\r\nb\r\na\r\n") << QStringList{"a", "b", "a"};
        QTest::newRow("empty line later") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    }
    void historyStopsAtARepeatedLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, entries);
        const QString path = dir().filePath("historique.txt");
        writeBytes(path, content);
        QCOMPARE(startup_files::readHistory(path), entries);
    }

private:
    QTemporaryDir& dir() { return *m_dir; }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "tst_datafile.moc"
