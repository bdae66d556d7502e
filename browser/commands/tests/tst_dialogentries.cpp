#include "FakeSession.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

class DialogEntriesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeSession> m_fixture;

    void choose(const char* entry) { m_fixture->trigger(entry); }
    MainWindow& main() const { return m_fixture->window(); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<FakeSession>();
        main().show();
    }
    void cleanup()
    {
        m_fixture.reset();
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
            QVERIFY(!main().isEnabled());
            QVERIFY(dialog->isEnabled());
            // Each opening is built anew, with its own file dialog.
            QVERIFY(child<QLineEdit>(dialog, "Text1")->text().isEmpty());
            child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("http://x.test/"));
            if (QByteArray(way) == "title bar")
                dialog->close();
            else
                QTest::mouseClick(child(dialog, way), Qt::LeftButton);
            QVERIFY2(main().isEnabled(), way);
            QVERIFY(openWindows(qPrintable(form)).isEmpty());
        }
        QCOMPARE(m_fixture->fileDialogsMade, 3);
        QVERIFY(m_fixture->messages->texts.isEmpty());
    }

    void editorAndAboutWindowExistOnceBesideAnEnabledMainWindow()
    {
        const QString shortcuts = m_fixture->programFile(QStringLiteral("raccourcis.txt"));
        writeBytes(shortcuts, "a\r\nhttp://a.test/\r\n");
        choose("smnu_facile");
        choose("smnu_credits");
        QWidget* editor = openWindow("f_facile");
        QWidget* credits = openWindow("f_credits");
        QVERIFY(main().isEnabled());

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

    void pageKeysAndTheRightClickMenuReachTheFindWindowAndTheZoom()
    {
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QWidget* addressBar = main().findChild<QWidget*>("Combo1");
        addressBar->setFocus();
        QTest::keyClick(addressBar, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(openWindows("f_recherche").size(), 1);
        auto* text = child<QLineEdit>(openWindow("f_recherche"), "Text1");
        QTest::keyClicks(text, "pain");
        text->deselect();
        emit m_fixture->wb1->findRequested();
        QCOMPARE(openWindows("f_recherche").size(), 1);
        QCOMPARE(text->selectedText(), QStringLiteral("pain"));

        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QTest::keyClick(&main(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(&main(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(m_fixture->wb1->zoom, 1.25);
        QTest::keyClick(&main(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(m_fixture->wb1->zoom, 1.1);
        QTest::keyClick(&main(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(m_fixture->wb1->zoom, 1.0);
        m_fixture->wb1->calls.clear();
        QTest::keyClick(&main(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_fixture->wb1->calls, QStringList{"print"});
    }

    void closingTheMainWindowClosesTheOthers()
    {
        choose("smnu_facile");
        choose("smnu_credits");
        main().close();
        QVERIFY(openWindows("f_facile").isEmpty());
        QVERIFY(openWindows("f_credits").isEmpty());
    }
};

QTEST_MAIN(DialogEntriesTest)
#include "tst_dialogentries.moc"
