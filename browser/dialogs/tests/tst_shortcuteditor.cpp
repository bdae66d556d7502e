#include "FakeMessageBox.h"
#include "ShortcutEditor.h"
#include "TestFiles.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class ShortcutEditorTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    FakeMessageBox m_messages;

    QString shortcutFile() const { return m_folder.filePath(QStringLiteral("raccourcis.txt")); }
    std::unique_ptr<ShortcutEditor> open()
    {
        auto editor = std::make_unique<ShortcutEditor>(ProgramFolder(m_folder.path()), m_messages);
        editor->show();
        return editor;
    }
    template <typename Control>
    static Control* control(QWidget& editor, const char* name)
    {
        auto* found = editor.findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    static QStringList rows(QWidget& editor, const char* list)
    {
        QStringList texts;
        auto* box = control<QListWidget>(editor, list);
        for (int i = 0; i < box->count(); ++i)
            texts << box->item(i)->text();
        return texts;
    }
    static void setPair(QWidget& editor, const QString& keyword, const QString& address)
    {
        control<QLineEdit>(editor, "Text1")->setText(keyword);
        control<QLineEdit>(editor, "Text2")->setText(address);
    }
    static void validate(QWidget& editor)
    {
        QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
        m_messages = FakeMessageBox{};
    }

    void missingFileOpensEmptyAndFirstValidationCreatesIt()
    {
        auto editor = open();
        QCOMPARE(editor->windowTitle(), QStringLiteral("Saisie des raccourcis"));
        QCOMPARE(editor->size(), QSize(3480 / 15, 3105 / 15));
        QVERIFY(rows(*editor, "List1").isEmpty());
        QVERIFY(rows(*editor, "List2").isEmpty());
        QCOMPARE(control<QLineEdit>(*editor, "Text1")->text(), QStringLiteral("Mot clé"));
        QCOMPARE(control<QLineEdit>(*editor, "Text2")->text(), QStringLiteral("URL"));

        // The untouched initial texts are stored like any other pair.
        validate(*editor);
        QCOMPARE(fileBytes(shortcutFile()), QByteArray("Mot cl\xe9\r\nURL\r\n"));
        QCOMPARE(rows(*editor, "List1"), QStringList{"Mot clé"});
        QCOMPARE(rows(*editor, "List2"), QStringList{"URL"});
        QVERIFY(m_messages.texts.isEmpty());
    }

    void validationAppendsThePairAndConfirms()
    {
        writeBytes(shortcutFile(), "mail\r\nhttp://courrier.test/\r\n");
        auto editor = open();
        QCOMPARE(rows(*editor, "List1"), QStringList{"mail"});
        QCOMPARE(rows(*editor, "List2"), QStringList{"http://courrier.test/"});

        setPair(*editor, QStringLiteral("météo"), QStringLiteral("http://meteo.test/"));
        validate(*editor);
        QCOMPARE(control<QLabel>(*editor, "Label1")->text(),
                 QStringLiteral("Félicitations! Maintenant, il vous suffit de taper le mot météo "
                                "pour accéder à l'adresse http://meteo.test/"));
        // Twice without editing: the same pair twice, boxes kept, window open.
        validate(*editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(control<QLineEdit>(*editor, "Text1")->text(), QStringLiteral("météo"));
        QCOMPARE(fileBytes(shortcutFile()),
                 QByteArray("mail\r\nhttp://courrier.test/\r\n"
                            "m\xe9t\xe9o\r\nhttp://meteo.test/\r\n"
                            "m\xe9t\xe9o\r\nhttp://meteo.test/\r\n"));
        QCOMPARE(rows(*editor, "List1"), (QStringList{"mail", "météo", "météo"}));
        QCOMPARE(rows(*editor, "List2"),
                 (QStringList{"http://courrier.test/", "http://meteo.test/", "http://meteo.test/"}));

        // The next opening reads the pairs back.
        editor.reset();
        editor = open();
        QCOMPARE(rows(*editor, "List1"), (QStringList{"mail", "météo", "météo"}));
    }

    void oddLineCountShiftsAnAppendedPair()
    {
        writeBytes(shortcutFile(), "un\r\nhttp://un.test/\r\ndeux\r\n");
        auto editor = open();
        QCOMPARE(rows(*editor, "List1"), (QStringList{"un", "deux"}));
        QCOMPARE(rows(*editor, "List2"), QStringList{"http://un.test/"});

        setPair(*editor, QStringLiteral("trois"), QStringLiteral("http://trois.test/"));
        validate(*editor);
        // Shown as typed now...
        QCOMPARE(rows(*editor, "List1"), (QStringList{"un", "deux", "trois"}));

        // ...but paired by position when read back: the keyword becomes the
        // address of the unpaired "deux".
        editor.reset();
        editor = open();
        QCOMPARE(rows(*editor, "List1"), (QStringList{"un", "deux", "http://trois.test/"}));
        QCOMPARE(rows(*editor, "List2"), (QStringList{"http://un.test/", "trois"}));
    }

    void onlyTheFirst1001LinesAreListed()
    {
        QByteArray bytes;
        for (int i = 0; i < 1003; ++i)
            bytes += "ligne " + QByteArray::number(i) + "\r\n";
        writeBytes(shortcutFile(), bytes);
        auto editor = open();
        QCOMPARE(rows(*editor, "List1").size(), 501);
        QCOMPARE(rows(*editor, "List2").size(), 500);
        QCOMPARE(rows(*editor, "List1").last(), QStringLiteral("ligne 1000"));

        // Still appended after the file's real last line.
        setPair(*editor, QStringLiteral("fin"), QStringLiteral("http://fin.test/"));
        validate(*editor);
        QVERIFY(fileBytes(shortcutFile()).endsWith("ligne 1002\r\nfin\r\nhttp://fin.test/\r\n"));
        QCOMPARE(rows(*editor, "List1").last(), QStringLiteral("fin"));
    }

    void unwritableFileIsReportedAndNothingIsListed()
    {
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("raccourcis.txt")));
        auto editor = open();
        setPair(*editor, QStringLiteral("essai"), QStringLiteral("http://essai.test/"));
        validate(*editor);

        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(m_messages.texts.first().contains(QDir::toNativeSeparators(shortcutFile())));
        QVERIFY(rows(*editor, "List1").isEmpty());
        QVERIFY(control<QLabel>(*editor, "Label1")->text().isEmpty());
        QCOMPARE(control<QLineEdit>(*editor, "Text1")->text(), QStringLiteral("essai"));
        QVERIFY(editor->isVisible());
    }

    void closeButtonClosesWithoutWriting()
    {
        auto editor = open();
        QTest::mouseClick(control<QPushButton>(*editor, "Command2"), Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QVERIFY(!QFile::exists(shortcutFile()));
    }
};

QTEST_MAIN(ShortcutEditorTest)
#include "tst_shortcuteditor.moc"
