#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "PreferredAddressDialog.h"
#include "TestFiles.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(const PreferredAddressMember*)

class PreferredAddressDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    Variables m_variables;
    FakeMessageBox m_messages;
    std::unique_ptr<QWidget> m_mainWindow;
    FakeFileDialog* m_cd1 = nullptr;

    // Opens the dialog as the menu entry does: shown, main window disabled.
    std::unique_ptr<PreferredAddressDialog> open(const PreferredAddressMember& member)
    {
        auto cd1 = std::make_unique<FakeFileDialog>();
        m_cd1 = cd1.get();
        auto dialog = std::make_unique<PreferredAddressDialog>(
            member, m_variables, ProgramFolder(m_folder.path()), m_mainWindow.get(), std::move(cd1), m_messages);
        dialog->show();
        m_mainWindow->setEnabled(false);
        return dialog;
    }
    template <typename Control>
    static Control* control(QWidget& dialog, const char* name)
    {
        auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString dataFile(const PreferredAddressMember& member) const
    {
        return m_folder.filePath(QString::fromLatin1(member.fileName));
    }

    static void addMembers()
    {
        QTest::addColumn<const PreferredAddressMember*>("member");
        QTest::newRow("f_site") << &preferred_address::site;
        QTest::newRow("f_home") << &preferred_address::home;
        QTest::newRow("f_moteur") << &preferred_address::moteur;
        QTest::newRow("f_erreur") << &preferred_address::erreur;
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
        m_variables = Variables{};
        m_messages = FakeMessageBox{};
        m_mainWindow = std::make_unique<QWidget>();
        m_mainWindow->show();
    }

    void opensEmptyWithUrlSelected_data() { addMembers(); }
    void opensEmptyWithUrlSelected()
    {
        QFETCH(const PreferredAddressMember*, member);
        m_variables.*member->variable = QStringLiteral("http://deja.test/");
        auto dialog = open(*member);

        QCOMPARE(dialog->objectName(), QString::fromLatin1(member->formName));
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8(member->caption));
        QCOMPARE(dialog->size(), QSize(member->clientWidth / 15, member->clientHeight / 15));
        QVERIFY(control<QRadioButton>(*dialog, "opt1")->isChecked());
        QVERIFY(!control<QRadioButton>(*dialog, "opt2")->isChecked());
        QVERIFY(control<QLineEdit>(*dialog, "Text1")->text().isEmpty());
        QVERIFY(control<QLineEdit>(*dialog, "Text2")->text().isEmpty());
        // The layout of the home-page dialog moved by the member's offset.
        QCOMPARE(control<QLineEdit>(*dialog, "Text2")->geometry(),
                 QRect((960 + member->offsetAcross) / 15, (1560 + member->offsetDown) / 15,
                       3495 / 15, 285 / 15));
        // Disabling the main window must not reach the dialog.
        QVERIFY(dialog->isEnabled());
        QVERIFY(control<QPushButton>(*dialog, "Command1")->isEnabled());
    }

    void keyboardOrderFollowsTheMember_data()
    {
        QTest::addColumn<const PreferredAddressMember*>("member");
        QTest::addColumn<QStringList>("order");
        const QStringList browseFirst{"Command4", "Command2", "Command1", "Text2", "opt2", "opt1", "Text1"};
        QTest::newRow("f_site") << &preferred_address::site << browseFirst;
        QTest::newRow("f_home") << &preferred_address::home << browseFirst;
        QTest::newRow("f_moteur") << &preferred_address::moteur << browseFirst;
        QTest::newRow("f_erreur") << &preferred_address::erreur
                                  << QStringList{"Text1", "opt1", "opt2", "Text2", "Command1", "Command2", "Command4"};
    }
    void keyboardOrderFollowsTheMember()
    {
        QFETCH(const PreferredAddressMember*, member);
        QFETCH(QStringList, order);
        auto dialog = open(*member);
        QWidget* start = control<QWidget>(*dialog, qPrintable(order.first()));
        QCOMPARE(dialog->focusWidget(), start);
        QStringList chain;
        QWidget* widget = start;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(chain, order);
    }

    void validateStoresTheAddressInFileAndVariable_data() { addMembers(); }
    void validateStoresTheAddressInFileAndVariable()
    {
        QFETCH(const PreferredAddressMember*, member);
        // An older file of several lines becomes a one-line file.
        writeBytes(dataFile(*member), "http://vieux.test/\r\nligne 2\r\nligne 3\r\n");
        auto dialog = open(*member);
        control<QLineEdit>(*dialog, "Text1")->setText(QStringLiteral("http://www.exemple.test/été"));
        // Typed into the other box while "URL" stays selected: ignored.
        control<QLineEdit>(*dialog, "Text2")->setText(QStringLiteral("C:\\ignore.htm"));
        QTest::mouseClick(control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);

        QCOMPARE(fileBytes(dataFile(*member)), QByteArray("http://www.exemple.test/\xe9t\xe9\r\n"));
        QCOMPARE(m_variables.*member->variable, QStringLiteral("http://www.exemple.test/été"));
        QVERIFY(m_mainWindow->isEnabled());
        QVERIFY(!dialog->isVisible());
        QVERIFY(m_messages.texts.isEmpty());
    }

    void emptyErrorPageSwitchesReplacementOff()
    {
        m_variables.url_erreur404 = QStringLiteral("http://remplacement.test/");
        writeBytes(dataFile(preferred_address::erreur), "http://remplacement.test/\r\n");
        auto dialog = open(preferred_address::erreur);
        QTest::mouseClick(control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);

        QCOMPARE(fileBytes(dataFile(preferred_address::erreur)), QByteArray("\r\n"));
        QVERIFY(m_variables.url_erreur404.isEmpty());
        QVERIFY(m_mainWindow->isEnabled());
    }

    void browsePicksAFileAndKeepsItWhenCancelled()
    {
        auto dialog = open(preferred_address::home);
        auto* opt2 = control<QRadioButton>(*dialog, "opt2");
        auto* Text2 = control<QLineEdit>(*dialog, "Text2");
        auto* Command4 = control<QPushButton>(*dialog, "Command4");
        Text2->setText(QStringLiteral("typed by hand"));

        // Cancelled before anything was chosen: "Fichier" selected, box emptied.
        m_cd1->answers = {QString(), QStringLiteral("C:\\Pages\\accueil.htm"), QString()};
        QTest::mouseClick(Command4, Qt::LeftButton);
        QVERIFY(opt2->isChecked());
        QVERIFY(Text2->text().isEmpty());

        QTest::mouseClick(Command4, Qt::LeftButton);
        QCOMPARE(Text2->text(), QStringLiteral("C:\\Pages\\accueil.htm"));

        // Cancelled after a choice: the last file chosen in this opening stays.
        control<QRadioButton>(*dialog, "opt1")->setChecked(true);
        QTest::mouseClick(Command4, Qt::LeftButton);
        QVERIFY(opt2->isChecked());
        QCOMPARE(Text2->text(), QStringLiteral("C:\\Pages\\accueil.htm"));
        QCOMPARE(m_cd1->shown, 3);

        QTest::mouseClick(control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);
        QCOMPARE(m_variables.url_home, QStringLiteral("C:\\Pages\\accueil.htm"));
        QCOMPARE(fileBytes(dataFile(preferred_address::home)), QByteArray("C:\\Pages\\accueil.htm\r\n"));
    }

    void cancelAndTitleBarCloseStoreNothing()
    {
        for (bool titleBar : {false, true}) {
            m_variables.url_site = QStringLiteral("http://garde.test/");
            writeBytes(dataFile(preferred_address::site), "http://garde.test/\r\n");
            auto dialog = open(preferred_address::site);
            control<QLineEdit>(*dialog, "Text1")->setText(QStringLiteral("http://autre.test/"));
            if (titleBar)
                dialog->close();
            else
                QTest::mouseClick(control<QPushButton>(*dialog, "Command2"), Qt::LeftButton);

            QVERIFY(!dialog->isVisible());
            QVERIFY(m_mainWindow->isEnabled());
            QCOMPARE(m_variables.url_site, QStringLiteral("http://garde.test/"));
            QCOMPARE(fileBytes(dataFile(preferred_address::site)), QByteArray("http://garde.test/\r\n"));
        }
    }

    void unwritableFileIsReportedAndNothingIsLost()
    {
        // A folder in the file's place cannot be opened for writing, not even by root.
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("moteur.txt")));
        m_variables.url_moteur = QStringLiteral("http://ancien.test/");
        auto dialog = open(preferred_address::moteur);
        control<QLineEdit>(*dialog, "Text1")->setText(QStringLiteral("http://nouveau.test/"));
        QTest::mouseClick(control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);

        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(m_messages.texts.first().contains(QDir::toNativeSeparators(dataFile(preferred_address::moteur))));
        QCOMPARE(m_messages.titles.first(), QString::fromUtf8(preferred_address::moteur.caption));
        QVERIFY(dialog->isVisible());
        QCOMPARE(control<QLineEdit>(*dialog, "Text1")->text(), QStringLiteral("http://nouveau.test/"));
        QCOMPARE(m_variables.url_moteur, QStringLiteral("http://ancien.test/"));
        QVERIFY(!m_mainWindow->isEnabled());

        // Once the obstacle is gone the same dialog stores the value.
        QVERIFY(QDir(m_folder.path()).rmdir(QStringLiteral("moteur.txt")));
        QTest::mouseClick(control<QPushButton>(*dialog, "Command1"), Qt::LeftButton);
        QCOMPARE(m_variables.url_moteur, QStringLiteral("http://nouveau.test/"));
        QVERIFY(m_mainWindow->isEnabled());
    }

    void everyReachableControlHasAnAccessibleName_data() { addMembers(); }
    void everyReachableControlHasAnAccessibleName()
    {
        QFETCH(const PreferredAddressMember*, member);
        auto dialog = open(*member);
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (widget->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }
};

QTEST_MAIN(PreferredAddressDialogTest)
#include "tst_preferredaddressdialog.moc"
