#include "DialogEntries.h"
#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "MenuBar.h"
#include "TestFiles.h"
#include "Variables.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class DialogEntriesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    Variables m_variables;
    FakeBrowserComponent m_wb1;
    FakeMessageBox m_messages;
    std::unique_ptr<QMainWindow> m_main;
    MenuBar* m_menus = nullptr;
    int m_fileDialogs = 0;

    void choose(const char* entry) { m_menus->entry(entry)->trigger(); }

    // The open windows of that name; a closed one is hidden until deleted.
    static QList<QWidget*> openWindows(const char* name)
    {
        QList<QWidget*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(name) && window->isVisible())
                found << window;
        }
        return found;
    }
    static QWidget* openWindow(const char* name)
    {
        const QList<QWidget*> found = openWindows(name);
        if (found.size() != 1)
            qFatal("%lld windows %s open", qlonglong(found.size()), name);
        return found.first();
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_variables = Variables{};
        m_fileDialogs = 0;
        m_main = std::make_unique<QMainWindow>();
        m_menus = new MenuBar;
        m_main->setMenuBar(m_menus);
        new DialogEntries(*m_menus, *m_main, m_variables, m_wb1, ProgramFolder(m_folder.path()), m_messages, [this] {
            ++m_fileDialogs;
            return std::make_unique<FakeFileDialog>();
        });
        m_main->show();
    }
    void cleanup()
    {
        m_main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The main window takes the secondary windows still open with it.
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->objectName().startsWith(QLatin1String("f_")), qPrintable(window->objectName()));
    }

    void addressDialogsDisableTheMainWindowUntilTheyClose_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("form");
        QTest::newRow("site") << "smnu_site" << "f_site";
        QTest::newRow("home") << "smnu_home" << "f_home";
        QTest::newRow("moteur") << "smnu_moteur" << "f_moteur";
        QTest::newRow("erreur") << "smnu_erreur404" << "f_erreur";
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
            QVERIFY(dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->text().isEmpty());
            dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("http://x.test/"));
            if (QByteArray(way) == "title bar")
                dialog->close();
            else
                QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(way)), Qt::LeftButton);
            QVERIFY2(m_main->isEnabled(), way);
            QVERIFY(openWindows(qPrintable(form)).isEmpty());
        }
        QCOMPARE(m_fileDialogs, 3);
        QVERIFY(m_messages.texts.isEmpty());
    }

    void validatedAddressReachesTheSharedVariables()
    {
        choose("smnu_site");
        QWidget* dialog = openWindow("f_site");
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("http://prefere.test/"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(m_variables.url_site, QStringLiteral("http://prefere.test/"));
        QCOMPARE(fileBytes(m_folder.filePath(QStringLiteral("site.txt"))), QByteArray("http://prefere.test/\r\n"));
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
        QCOMPARE(editor->findChild<QListWidget*>(QStringLiteral("List1"))->count(), 1);

        // Closed, then chosen again: built anew, reading the file anew.
        editor->close();
        credits->close();
        choose("smnu_facile");
        choose("smnu_credits");
        QCOMPARE(openWindow("f_facile")->findChild<QListWidget*>(QStringLiteral("List1"))->count(), 2);
        QCOMPARE(openWindows("f_credits").size(), 1);
    }

    void aboutLinksDriveThePageView()
    {
        m_wb1.navigations.clear();
        choose("smnu_credits");
        QTest::mouseClick(openWindow("f_credits")->findChild<QWidget*>(QStringLiteral("Label5")), Qt::LeftButton);
        QCOMPARE(m_wb1.navigations.size(), 1);
        QVERIFY(m_wb1.navigations.first().startsWith(QStringLiteral("http://")));
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
