#include "FakeSession.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "MenuTree.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The menu bar on the real main window: the windows it opens share the
// window's variables, files and page view.
class MainWindowCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_programDir;
    QTemporaryDir m_currentDir;
    std::unique_ptr<BrowserSession> m_session;
    FakeBrowserComponent* m_wb1 = nullptr;

    MainWindow& window() const { return m_session->window(); }

private slots:
    void init()
    {
        QVERIFY(m_programDir.isValid() && m_currentDir.isValid());
        QVERIFY(QDir::setCurrent(m_currentDir.path()));
        FakeSession fakes(m_programDir.path());
        m_wb1 = fakes.wb1;
        m_session = std::move(fakes.session);
        window().show();
    }
    void cleanup()
    {
        m_session.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void menuBarSitsOnTheMainWindow()
    {
        QCOMPARE(window().menuBar(), static_cast<QMenuBar*>(&m_session->menus()));
        QCOMPARE(window().menuBar()->actions().size(), 6);
    }

    void everyEntryOfTheMenuTreeIsBound()
    {
        QStringList tree;
        for (const MenuItem& menu : menuTree()) {
            for (const MenuEntryItem& entry : menu.entries) {
                tree << QString::fromLatin1(entry.name);
                QVERIFY2(m_session->menus().isBound(entry.name), qPrintable(tree.last() + " is not bound"));
            }
        }
        QCOMPARE(tree.size(), 34);
    }

    void newShortcutIsFollowedAtOnce()
    {
        m_session->menus().entry("smnu_facile")->trigger();
        QWidget* editor = openWindow("f_facile");
        child<QLineEdit>(editor, "Text1")->setText(QStringLiteral("journal"));
        child<QLineEdit>(editor, "Text2")->setText(QStringLiteral("http://journal.test/"));
        QTest::mouseClick(child<QPushButton>(editor, "Command1"), Qt::LeftButton);

        child<QLineEdit>(&window(), "txt_facile")->setText(QStringLiteral("journal"));
        QTest::mouseClick(child<QPushButton>(&window(), "Command2"), Qt::LeftButton);
        QCOMPARE(m_wb1->navigations, QStringList{"http://journal.test/"});
    }

    void errorPageDialogSetsTheWindowsVariable()
    {
        Variables& variables = m_session->services().variables;
        variables.url_erreur404 = QStringLiteral("http://remplacement.test/");
        m_session->menus().entry("smnu_erreur404")->trigger();
        QVERIFY(!window().isEnabled());
        QTest::mouseClick(child<QPushButton>(openWindow("f_erreur"), "Command1"), Qt::LeftButton);
        QVERIFY(window().isEnabled());
        QVERIFY(variables.url_erreur404.isEmpty());

        // The window's own error-page replacement reads the same variable.
        variables.url_erreur404 = QStringLiteral("http://remplacement.test/");
        m_wb1->showPage("http://nohost.invalid/", "Impossible de trouver le serveur");
        QCOMPARE(m_wb1->navigations, QStringList{"http://remplacement.test/"});
    }

    void preferredSiteStoredInItsDialogIsVisitedAtOnce()
    {
        m_session->menus().entry("smnu_site")->trigger();
        QWidget* dialog = openWindow("f_site");
        child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("http://prefere.test/"));
        QTest::mouseClick(child<QPushButton>(dialog, "Command1"), Qt::LeftButton);

        m_session->menus().entry("smnu_siteprefer")->trigger();
        QCOMPARE(m_wb1->navigations, QStringList{"http://prefere.test/"});
        QCOMPARE(readBytes(m_programDir.filePath("site.txt")), QByteArray("http://prefere.test/\r\n"));
    }

    void aboutLinkNavigatesThePageView()
    {
        m_session->menus().entry("smnu_credits")->trigger();
        QTest::mouseClick(child<QWidget>(openWindow("f_credits"), "Label3"), Qt::LeftButton);
        QCOMPARE(m_wb1->navigations.size(), 1);
        QVERIFY(m_wb1->navigations.first().startsWith(QStringLiteral("mailto:")));
        QVERIFY(window().isEnabled());
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "tst_mainwindowcommands.moc"
