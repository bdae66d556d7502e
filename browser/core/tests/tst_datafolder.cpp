#include "DataFiles.h"
#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"

#include <memory>

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        QDir(m_root->path()).mkpath("bin");
        // The user's folder does not exist before the first start.
        m_places = {path("bin"), path("share/tavrello"), path("home/.local/share/Tavrello")};
    }

    void portableCopyKeepsItsFilesBesideTheProgram()
    {
        writeBytes(path("bin/home.txt"), "http://ici/\r\n");
        const ProgramFolder folder = DataFolder::choose(m_places, true);
        QCOMPARE(folder.path(), m_places.program);
        QVERIFY(!QFileInfo::exists(m_places.user));
    }

    void installedCopyFillsTheUserFolderFromItsDefaults()
    {
        installDefaults();
        // Root can write to the program folder; an installed copy still leaves it alone.
        for (bool writable : {false, true}) {
            const ProgramFolder folder = DataFolder::choose(m_places, writable);
            QCOMPARE(folder.path(), m_places.user);
            for (const QString& name : DataFolder::fileNames())
                QCOMPARE(readBytes(folder.filePath(name)), readBytes(QDir(m_places.defaults).filePath(name)));
            QVERIFY(!QFileInfo::exists(path("bin/home.txt")));
        }
    }

    void theUsersOwnFilesAreNeverReplaced()
    {
        installDefaults();
        QDir().mkpath(m_places.user);
        writeBytes(QDir(m_places.user).filePath("home.txt"), "http://mon-choix/\r\n");
        writeBytes(QDir(m_places.user).filePath("erreur404.txt"), "");

        const ProgramFolder folder = DataFolder::choose(m_places, false);
        QCOMPARE(readBytes(folder.filePath("home.txt")), QByteArray("http://mon-choix/\r\n"));
        QCOMPARE(readBytes(folder.filePath("erreur404.txt")), QByteArray());
        // What the user lacks is still filled in.
        QCOMPARE(readBytes(folder.filePath("site.txt")), QByteArray("http://site/\r\n"));
    }

    void readOnlyPortableCopyStartsTheUserFolderFromItsOwnFiles()
    {
        writeBytes(path("bin/home.txt"), "http://ici/\r\n");
        writeBytes(path("bin/tavrello"), "program");
        writeBytes(path("bin/historique.txt"), "http://vu/\r\n");

        const ProgramFolder folder = DataFolder::choose(m_places, false);
        QCOMPARE(folder.path(), m_places.user);
        QCOMPARE(readBytes(folder.filePath("home.txt")), QByteArray("http://ici/\r\n"));
        // Only the data files: neither the program nor the history follows.
        QCOMPARE(QDir(m_places.user).entryList(QDir::Files), QStringList{"home.txt"});
    }

    // Other starts keep it in the current folder (tst_mainwindow).
    void historyJoinsTheDataFilesForAStartFromTheDesktopEntry()
    {
        const ProgramFolder fromMenu(m_places.user, ProgramFolder::StartedFrom::DesktopEntry);
        QCOMPARE(data_files::pathOf(data_files::historique, fromMenu), QDir(m_places.user).filePath("historique.txt"));
    }

private:
    QString path(const QString& relative) const { return QDir(m_root->path()).filePath(relative); }

    void installDefaults()
    {
        QDir().mkpath(m_places.defaults);
        for (const QString& name : DataFolder::fileNames())
            writeBytes(QDir(m_places.defaults).filePath(name),
                       "http://" + name.section('.', 0, 0).toLatin1() + "/\r\n");
    }

    std::unique_ptr<QTemporaryDir> m_root;
    DataFolder::Places m_places;
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
