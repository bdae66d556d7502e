#include "DialogEntries.h"
#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeInputBox.h"
#include "FakeMessageBox.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "PageFetcher.h"
#include "TestSupport.h"
#include "Variables.h"
#include "WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class DialogEntriesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<ProgramFolder> m_programFolder;
    Variables m_variables;
    FakeMessageBox m_messages;
    FakeFileDialog m_cd1;
    FakeInputBox m_input;
    PageFetcher m_inet1;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<WindowServices> m_services;
    MenuBar* m_menus = nullptr;
    int m_fileDialogs = 0;

    void choose(const char* entry) { m_menus->entry(entry)->trigger(); }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_variables = Variables{};
        m_fileDialogs = 0;
        m_programFolder = std::make_unique<ProgramFolder>(m_folder.path());
        auto wb1 = std::make_unique<FakeBrowserComponent>();
        BrowserComponent& pageView = *wb1;
        m_main = std::make_unique<MainWindow>(*m_programFolder, m_variables, std::move(wb1),
                                              std::make_unique<FakeBrowserComponent>());
        m_menus = new MenuBar;
        m_main->setMenuBar(m_menus);
        m_services.reset(new WindowServices{*m_main, m_variables, pageView, *m_programFolder, m_messages, m_cd1,
                                            [this] {
                                                ++m_fileDialogs;
                                                return std::make_unique<FakeFileDialog>();
                                            },
                                            m_input, m_inet1});
        bindDialogEntries(*m_menus, *m_services);
        m_main->show();
    }
    void cleanup()
    {
        m_main.reset();
        m_services.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The main window takes the secondary windows still open with it.
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->objectName().startsWith(QLatin1String("f_")), qPrintable(window->objectName()));
    }

    void addressDialogsDisableTheMainWindowUntilTheyClose_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("form");
        QTest::newRow("site") << "smnu_site"
                              << "f_site";
        QTest::newRow("home") << "smnu_home"
                              << "f_home";
        QTest::newRow("moteur") << "smnu_moteur"
                                << "f_moteur";
        QTest::newRow("erreur") << "smnu_erreur404"
                                << "f_erreur";
    }
    void addressDialogsDisableTheMainWindowUntilTheyClose()
    {
        QFETCH(QString, entry);
        QFETCH(QString, form);
        for (const char* way : {"Command1", "Command2", "title bar"}) {
            choose(qPrintable(entry));
            QWidget* dialog = openWindow(qPrintable(form));
            QVERIFY(!m_main->isEnabled());
            QVERIFY(dialog->isEnabled());
            // Each opening is built anew, with its own file dialog.
            QVERIFY(child<QLineEdit>(dialog, "Text1")->text().isEmpty());
            child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("http://x.test/"));
            if (QByteArray(way) == "title bar")
                dialog->close();
            else
                QTest::mouseClick(child(dialog, way), Qt::LeftButton);
            QVERIFY2(m_main->isEnabled(), way);
            QVERIFY(openWindows(qPrintable(form)).isEmpty());
        }
        QCOMPARE(m_fileDialogs, 3);
        QVERIFY(m_messages.texts.isEmpty());
    }

    void editorAndAboutWindowExistOnceBesideAnEnabledMainWindow()
    {
        const QString shortcuts = m_folder.filePath(QStringLiteral("raccourcis.txt"));
        writeBytes(shortcuts, "a\r\nhttp://a.test/\r\n");
        choose("smnu_facile");
        choose("smnu_credits");
        QWidget* editor = openWindow("f_facile");
        QWidget* credits = openWindow("f_credits");
        QVERIFY(m_main->isEnabled());

        // Chosen again: the same windows, the file not read again.
        writeBytes(shortcuts, "a\r\nhttp://a.test/\r\nb\r\nhttp://b.test/\r\n");
        choose("smnu_facile");
        choose("smnu_credits");
        QCOMPARE(openWindow("f_facile"), editor);
        QCOMPARE(openWindow("f_credits"), credits);
        QCOMPARE(child<QListWidget>(editor, "List1")->count(), 1);

        // Closed, then chosen again: built anew, reading the file anew.
        editor->close();
        credits->close();
        choose("smnu_facile");
        choose("smnu_credits");
        QCOMPARE(child<QListWidget>(openWindow("f_facile"), "List1")->count(), 2);
        QCOMPARE(openWindows("f_credits").size(), 1);
    }

    void closingTheMainWindowClosesTheOthers()
    {
        choose("smnu_facile");
        choose("smnu_credits");
        m_main->close();
        QVERIFY(openWindows("f_facile").isEmpty());
        QVERIFY(openWindows("f_credits").isEmpty());
    }
};

QTEST_MAIN(DialogEntriesTest)
#include "tst_dialogentries.moc"
