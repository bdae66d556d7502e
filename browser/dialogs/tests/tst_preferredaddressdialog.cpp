#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "PreferredAddressDialog.h"
#include "TestSupport.h"

#include <QDir>
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
    std::unique_ptr<QTemporaryDir> m_folder;
    Variables m_variables;
    FakeMessageBox m_messages;
    std::unique_ptr<QWidget> m_mainWindow;
    FakeFileDialog* m_cd1 = nullptr;

    // Opens the dialog as the menu entry does: shown, main window disabled.
    std::unique_ptr<PreferredAddressDialog> open(const PreferredAddressMember& member)
    {
        auto cd1 = std::make_unique<FakeFileDialog>();
        m_cd1 = cd1.get();
        auto dialog = std::make_unique<PreferredAddressDialog>(member, m_variables, ProgramFolder(m_folder->path()),
                                                               m_mainWindow.get(), std::move(cd1), m_messages);
        dialog->show();
        m_mainWindow->setEnabled(false);
        return dialog;
    }
    QString dataFile(const PreferredAddressMember& member) const
    {
        return m_folder->filePath(QString::fromLatin1(member.file.name));
    }
    static void click(QWidget* dialog, const char* button)
    {
        QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
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
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
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

        QVERIFY(child<QRadioButton>(dialog.get(), "opt1")->isChecked());
        QVERIFY(child<QLineEdit>(dialog.get(), "Text1")->text().isEmpty());
        QVERIFY(child<QLineEdit>(dialog.get(), "Text2")->text().isEmpty());
        // The home-page layout moved by the member's offset.
        QCOMPARE(child(dialog.get(), "Text2")->geometry(),
                 QRect((960 + member->offsetAcross) / 15, (1560 + member->offsetDown) / 15, 233, 19));
        // Disabling the main window must not reach the dialog.
        QVERIFY(dialog->isEnabled());
        QCOMPARE(accessibilityFaults(dialog.get()), QStringList());
    }

    void keyboardOrderFollowsTheMember_data()
    {
        QTest::addColumn<const PreferredAddressMember*>("member");
        QTest::addColumn<QStringList>("order");
        const QStringList browseFirst{"Command4", "Command2", "Command1", "Text2", "opt2", "opt1", "Text1"};
        QTest::newRow("f_site") << &preferred_address::site << browseFirst;
        QTest::newRow("f_moteur") << &preferred_address::moteur << browseFirst;
        QTest::newRow("f_erreur") << &preferred_address::erreur
                                  << QStringList{"Text1", "opt1", "opt2", "Text2", "Command1", "Command2", "Command4"};
    }
    void keyboardOrderFollowsTheMember()
    {
        QFETCH(const PreferredAddressMember*, member);
        QFETCH(QStringList, order);
        auto dialog = open(*member);
        QWidget* start = child(dialog.get(), qPrintable(order.first()));
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

    void validateStoresOneLineAndTheVariable_data() { addMembers(); }
    void validateStoresOneLineAndTheVariable()
    {
        QFETCH(const PreferredAddressMember*, member);
        writeBytes(dataFile(*member), "http://vieux.test/\r\nligne 2\r\nligne 3\r\n");
        auto dialog = open(*member);
        child<QLineEdit>(dialog.get(), "Text1")->setText(QStringLiteral("http://www.exemple.test/été"));
        // Typed into the other box while "URL" stays selected: ignored.
        child<QLineEdit>(dialog.get(), "Text2")->setText(QStringLiteral("C:\\ignore.htm"));
        click(dialog.get(), "Command1");

        QCOMPARE(readBytes(dataFile(*member)), QByteArray("http://www.exemple.test/\xe9t\xe9\r\n"));
        QCOMPARE(m_variables.*member->variable, QStringLiteral("http://www.exemple.test/été"));
        QVERIFY(m_mainWindow->isEnabled());
        QVERIFY(!dialog->isVisible());
    }

    void emptyErrorPageSwitchesReplacementOff()
    {
        m_variables.url_erreur404 = QStringLiteral("http://remplacement.test/");
        writeBytes(dataFile(preferred_address::erreur), "http://remplacement.test/\r\n");
        auto dialog = open(preferred_address::erreur);
        click(dialog.get(), "Command1");
        QCOMPARE(readBytes(dataFile(preferred_address::erreur)), QByteArray("\r\n"));
        QVERIFY(m_variables.url_erreur404.isEmpty());
    }

    void browsePicksAFileAndKeepsItWhenCancelled()
    {
        auto dialog = open(preferred_address::home);
        auto* opt2 = child<QRadioButton>(dialog.get(), "opt2");
        auto* Text2 = child<QLineEdit>(dialog.get(), "Text2");
        Text2->setText(QStringLiteral("typed by hand"));
        m_cd1->answers = {QString(), QStringLiteral("C:\\Pages\\accueil.htm"), QString()};

        // Cancelled before anything was chosen: "Fichier" selected, box emptied.
        click(dialog.get(), "Command4");
        QVERIFY(opt2->isChecked());
        QVERIFY(Text2->text().isEmpty());
        click(dialog.get(), "Command4");
        QCOMPARE(Text2->text(), QStringLiteral("C:\\Pages\\accueil.htm"));
        // Cancelled after a choice: the last file chosen in this opening stays.
        child<QRadioButton>(dialog.get(), "opt1")->setChecked(true);
        click(dialog.get(), "Command4");
        QVERIFY(opt2->isChecked());
        QCOMPARE(Text2->text(), QStringLiteral("C:\\Pages\\accueil.htm"));

        click(dialog.get(), "Command1");
        QCOMPARE(m_variables.url_home, QStringLiteral("C:\\Pages\\accueil.htm"));
        QCOMPARE(readBytes(dataFile(preferred_address::home)), QByteArray("C:\\Pages\\accueil.htm\r\n"));
    }

    void cancelAndTitleBarCloseStoreNothing()
    {
        m_variables.url_site = QStringLiteral("http://garde.test/");
        writeBytes(dataFile(preferred_address::site), "http://garde.test/\r\n");
        for (bool titleBar : {false, true}) {
            auto dialog = open(preferred_address::site);
            child<QLineEdit>(dialog.get(), "Text1")->setText(QStringLiteral("http://autre.test/"));
            if (titleBar)
                dialog->close();
            else
                click(dialog.get(), "Command2");
            QVERIFY(!dialog->isVisible());
            QVERIFY(m_mainWindow->isEnabled());
            QCOMPARE(m_variables.url_site, QStringLiteral("http://garde.test/"));
            QCOMPARE(readBytes(dataFile(preferred_address::site)), QByteArray("http://garde.test/\r\n"));
        }
    }

    void unwritableFileIsReportedAndNothingIsLost()
    {
        // A folder in the file's place cannot be opened for writing, not even by root.
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("moteur.txt")));
        m_variables.url_moteur = QStringLiteral("http://ancien.test/");
        auto dialog = open(preferred_address::moteur);
        child<QLineEdit>(dialog.get(), "Text1")->setText(QStringLiteral("http://nouveau.test/"));
        click(dialog.get(), "Command1");

        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(m_messages.texts.first().contains(QDir::toNativeSeparators(dataFile(preferred_address::moteur))));
        QVERIFY(dialog->isVisible());
        QCOMPARE(child<QLineEdit>(dialog.get(), "Text1")->text(), QStringLiteral("http://nouveau.test/"));
        QCOMPARE(m_variables.url_moteur, QStringLiteral("http://ancien.test/"));
        QVERIFY(!m_mainWindow->isEnabled());

        // Once the obstacle is gone the same dialog stores the value.
        QVERIFY(QDir(m_folder->path()).rmdir(QStringLiteral("moteur.txt")));
        click(dialog.get(), "Command1");
        QCOMPARE(m_variables.url_moteur, QStringLiteral("http://nouveau.test/"));
        QVERIFY(m_mainWindow->isEnabled());
    }
};

QTEST_MAIN(PreferredAddressDialogTest)
#include "tst_preferredaddressdialog.moc"
