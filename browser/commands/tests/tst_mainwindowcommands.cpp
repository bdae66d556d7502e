#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "MainWindow.h"
#include "MainWindowCommands.h"
#include "MenuBar.h"
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
    std::unique_ptr<MainWindow> m_window;
    FakeBrowserComponent* m_wb1 = nullptr;
    MainWindowCommands* m_commands = nullptr;

private slots:
    void init()
    {
        QVERIFY(m_programDir.isValid() && m_currentDir.isValid());
        QVERIFY(QDir::setCurrent(m_currentDir.path()));
        auto pageView = std::make_unique<FakeBrowserComponent>();
        m_wb1 = pageView.get();
        m_window = std::make_unique<MainWindow>(ProgramFolder(m_programDir.path()), std::move(pageView),
                                                std::make_unique<FakeBrowserComponent>());
        m_commands = new MainWindowCommands(*m_window, std::make_unique<FakeMessageBox>(),
                                            [] { return std::make_unique<FakeFileDialog>(); },
                                            std::make_unique<FakeFileDialog>());
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void menuBarSitsOnTheMainWindow()
    {
        QCOMPARE(m_window->menuBar(), static_cast<QMenuBar*>(&m_commands->menus()));
        QCOMPARE(m_window->menuBar()->actions().size(), 6);
    }

    void newShortcutIsFollowedAtOnce()
    {
        m_commands->menus().entry("smnu_facile")->trigger();
        QWidget* editor = openWindow("f_facile");
        child<QLineEdit>(editor, "Text1")->setText(QStringLiteral("journal"));
        child<QLineEdit>(editor, "Text2")->setText(QStringLiteral("http://journal.test/"));
        QTest::mouseClick(child<QPushButton>(editor, "Command1"), Qt::LeftButton);

        child<QLineEdit>(m_window.get(), "txt_facile")->setText(QStringLiteral("journal"));
        QTest::mouseClick(child<QPushButton>(m_window.get(), "Command2"), Qt::LeftButton);
        QCOMPARE(m_wb1->navigations, QStringList{"http://journal.test/"});
    }

    void errorPageDialogSetsTheWindowsVariable()
    {
        m_window->variables().url_erreur404 = QStringLiteral("http://remplacement.test/");
        m_commands->menus().entry("smnu_erreur404")->trigger();
        QVERIFY(!m_window->isEnabled());
        QTest::mouseClick(child<QPushButton>(openWindow("f_erreur"), "Command1"), Qt::LeftButton);
        QVERIFY(m_window->isEnabled());
        QVERIFY(m_window->variables().url_erreur404.isEmpty());
    }

    void aboutLinkNavigatesThePageView()
    {
        m_commands->menus().entry("smnu_credits")->trigger();
        QTest::mouseClick(child<QWidget>(openWindow("f_credits"), "Label3"), Qt::LeftButton);
        QCOMPARE(m_wb1->navigations.size(), 1);
        QVERIFY(m_wb1->navigations.first().startsWith(QStringLiteral("mailto:")));
        QVERIFY(m_window->isEnabled());
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "tst_mainwindowcommands.moc"
