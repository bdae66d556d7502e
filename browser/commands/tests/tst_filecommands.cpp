#include "FakeSession.h"
#include "LocalHttpServer.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace std::chrono_literals;

// The "&Fichier" menu on the real main window, against a web server of the
// test's own; the page fetcher is the real one.
class FileCommandsTest : public QObject {
    Q_OBJECT

private:
    LocalHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<FakeSession> m_session;
    FakeBrowserComponent* m_wb1 = nullptr;
    FakeMessageBox* m_messages = nullptr;
    FakeFileDialog* m_cd1 = nullptr;

    void choose(const char* entry) { m_session->trigger(entry); }
    QString file(const QString& name) const { return m_files->filePath(name); }
    int requestsDuring(const std::function<void()>& action)
    {
        const int before = m_server.requestCount();
        action();
        return m_server.requestCount() - before;
    }

private slots:
    void initTestCase() { QVERIFY(m_server.listen()); }

    void init()
    {
        m_files = std::make_unique<QTemporaryDir>();
        QVERIFY(m_files->isValid());
        m_session = std::make_unique<FakeSession>();
        m_wb1 = m_session->wb1;
        m_messages = m_session->messages;
        m_cd1 = m_session->cd1;
        m_session->inet1->setDeadline(300ms);
        m_session->window().show();
    }
    void cleanup() { m_session.reset(); }

    void saveWritesTheServedBytesAndCrLf_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("<html>\n<p>Bonjour</p>\r\n</html>\n") << QByteArray("text/html")
                               << "<html>\n<p>Bonjour</p>\n</html>\n";
        QTest::newRow("utf-8") << QStringLiteral("<p>é€œ</p>").toUtf8() << QByteArray("text/html; charset=utf-8")
                               << "<p>é€œ</p>";
        QTest::newRow("windows-1252") << QByteArray("<p>\xe9\x80\x9c</p>") << QByteArray("text/html") << "<p>é€œ</p>";
    }
    void saveWritesTheServedBytesAndCrLf()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(QString, text);
        m_server.setPage("/page", body, contentType);
        m_wb1->url = m_server.url("/page");
        // An existing, longer file is replaced without a question.
        const QString target = file(QStringLiteral("page.htm"));
        writeBytes(target, QByteArray(500, 'x'));
        m_cd1->answers = QStringList{target};

        QCOMPARE(requestsDuring([this] { choose("smnu_save"); }), 1);
        QCOMPARE(m_cd1->calls, QStringList{"save"});
        QCOMPARE(m_messages->texts, QStringList());
        QCOMPARE(readBytes(target), body + "\r\n");
        QCOMPARE(m_session->window().saveBuffer().toPlainText(), text);
    }

    void cancelledSaveWritesNothing()
    {
        m_server.setPage("/page", "<p>x</p>");
        m_wb1->url = m_server.url("/page");
        choose("smnu_save");
        QCOMPARE(m_cd1->calls, QStringList{"save"});
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files), QStringList());
        QCOMPARE(m_messages->texts, QStringList());
    }

    void failedDownloadShowsOneMessageAndNoDialog_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("requests");
        m_server.setSilent("/muet");
        QTest::newRow("refused") << m_server.refusingUrl() << "refusé la connexion" << 0;
        QTest::newRow("no answer") << m_server.url("/muet") << "dans le délai de" << 1;
        QTest::newRow("blank page") << QStringLiteral("about:blank") << "about:blank" << 0;
    }
    void failedDownloadShowsOneMessageAndNoDialog()
    {
        QFETCH(QString, address);
        QFETCH(QString, reason);
        QFETCH(int, requests);
        m_wb1->url = address;
        QCOMPARE(requestsDuring([this] { choose("smnu_save"); }), requests);
        QCOMPARE(m_messages->texts.size(), 1);
        QCOMPARE(m_messages->titles, QStringList{"Tavrello"});
        QVERIFY2(m_messages->texts.first().contains(reason), qPrintable(m_messages->texts.first()));
        QCOMPARE(m_cd1->calls, QStringList());
    }

    void failedWriteIsReportedOnceAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in the way") << QStringLiteral("dossier") << "un dossier porte déjà ce nom";
        QTest::newRow("missing folder") << QStringLiteral("absent/page.htm") << "n'existe pas";
        QTest::newRow("read-only folder") << QStringLiteral("protege/page.htm") << "l'accès est refusé";
        // A large page, written straight; a small write cut short is checked with the data files.
        QTest::newRow("disk full") << QStringLiteral("plein/page.htm") << "l'écriture s'est arrêtée en cours de route";
    }
    void failedWriteIsReportedOnceAndKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        m_server.setPage("/grande", QByteArray(100000, 'a'));
        m_wb1->url = m_server.url("/grande");
        const QString path = file(target);
        const QString folder = QFileInfo(path).absolutePath();
        if (!target.startsWith(QLatin1String("absent"))) {
            QVERIFY(QDir().mkpath(folder));
            if (target == QLatin1String("dossier"))
                QVERIFY(QDir().mkpath(path));
            else
                writeBytes(path, "ancienne page\r\n");
        }
        m_cd1->answers = QStringList{path};
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        if (target.startsWith(QLatin1String("protege"))) {
            QCOMPARE(chmod(qPrintable(m_files->path()), 0755) + chmod(qPrintable(folder), 0555), 0);
            asOrdinaryUser([this] { choose("smnu_save"); });
            QCOMPARE(chmod(qPrintable(folder), 0700), 0);
        } else if (target.startsWith(QLatin1String("plein"))) {
            withFileSizeLimit(10000, [this] { choose("smnu_save"); });
        } else {
            choose("smnu_save");
        }

        QCOMPARE(m_messages->texts.size(), 1);
        QVERIFY2(m_messages->texts.first().contains(reason), qPrintable(m_messages->texts.first()));
        QVERIFY2(m_messages->texts.first().contains(QDir::toNativeSeparators(path)),
                 qPrintable(m_messages->texts.first()));
        // What was there is still there, and no temporary file is left behind.
        if (target == QLatin1String("dossier"))
            QVERIFY(QFileInfo(path).isDir());
        else if (!target.startsWith(QLatin1String("absent")))
            QCOMPARE(readBytes(path), QByteArray("ancienne page\r\n"));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QCOMPARE(m_messages->texts.first().contains(QStringLiteral("n'a pas été modifié")), QFileInfo(path).isFile());
    }

    void openShowsTheChosenFileAndACancelShowsItAgain()
    {
        // A cancel before any choice visits nothing.
        choose("smnu_ouvrir");
        QCOMPARE(m_wb1->navigations, QStringList());

        const QString page = file(QStringLiteral("locale.htm"));
        m_cd1->answers = QStringList{page, QString()};
        choose("smnu_ouvrir");
        choose("smnu_ouvrir");
        QCOMPARE(m_wb1->navigations, (QStringList{page, page}));
        QCOMPARE(m_cd1->calls, (QStringList{"open", "open", "open"}));
        // The address bar is left as it was.
        QCOMPARE(child<QComboBox>(&m_session->window(), "Combo1")->currentText(), QString());

        // The name chosen in Save is the one a later cancelled Open visits.
        m_server.setPage("/page", "<p>x</p>");
        m_wb1->url = m_server.url("/page");
        const QString saved = file(QStringLiteral("sauvee.htm"));
        m_cd1->answers = QStringList{saved, QString()};
        choose("smnu_save");
        choose("smnu_ouvrir");
        QCOMPARE(m_wb1->navigations.last(), saved);
    }

    void viewerFetchesWhenOpenedAndNotWhileOpen()
    {
        m_server.setPage("/un", "<p>un</p>");
        m_server.setPage("/deux", "<p>deux</p>");
        m_wb1->url = m_server.url("/un");
        QCOMPARE(requestsDuring([this] { choose("smnu_source"); }), 1);
        QWidget* viewer = openWindow("f_source");
        QCOMPARE(child<QPlainTextEdit>(viewer, "Text1")->toPlainText(), QStringLiteral("<p>un</p>"));
        QVERIFY(m_session->window().isEnabled());

        // The page view moved on; the open viewer is only brought forward.
        m_wb1->url = m_server.url("/deux");
        QCOMPARE(requestsDuring([this] { choose("smnu_source"); }), 0);
        QCOMPARE(openWindow("f_source"), viewer);
        QCOMPARE(child<QPlainTextEdit>(viewer, "Text1")->toPlainText(), QStringLiteral("<p>un</p>"));

        viewer->close();
        QCOMPARE(requestsDuring([this] { choose("smnu_source"); }), 1);
        QCOMPARE(child<QPlainTextEdit>(openWindow("f_source"), "Text1")->toPlainText(), QStringLiteral("<p>deux</p>"));

        // It goes with the main window.
        m_session->window().close();
        QVERIFY(openWindows("f_source").isEmpty());
    }

    void viewerOfAPostedPageShowsWhatAPlainRequestReturns()
    {
        // The page view shows the answer to a form it sent; the address alone
        // is asked for again.
        m_server.setPage("/reponse", "<p>formulaire vide</p>");
        m_wb1->url = m_server.url("/reponse");
        m_wb1->name = QStringLiteral("Merci pour votre message");
        choose("smnu_source");
        QCOMPARE(m_server.requests().last(), QStringLiteral("GET /reponse"));
        QCOMPARE(child<QPlainTextEdit>(openWindow("f_source"), "Text1")->toPlainText(),
                 QStringLiteral("<p>formulaire vide</p>"));
    }

    void quitEndsTheProcessAtOnceWithEveryWindow()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(QUIT_CHILD), {m_files->path()});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        // Nothing ran after the command: no window was closed, the event loop
        // did not return, no destructor ran.
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()),
                 QStringLiteral("ouvertes : f_credits f_exe f_facile f_source\n"));
        QCOMPARE(QDir(m_files->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
