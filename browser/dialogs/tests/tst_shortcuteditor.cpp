#include "FakeMessageBox.h"
#include "ShortcutEditor.h"
#include "TestSupport.h"

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
    std::unique_ptr<QTemporaryDir> m_folder;
    FakeMessageBox m_messages;

    QString shortcutFile() const { return m_folder->filePath(QStringLiteral("raccourcis.txt")); }
    std::unique_ptr<ShortcutEditor> open()
    {
        auto editor = std::make_unique<ShortcutEditor>(ProgramFolder(m_folder->path()), m_messages);
        editor->show();
        return editor;
    }
    static QStringList rows(QWidget* editor, const char* list)
    {
        QStringList texts;
        auto* box = child<QListWidget>(editor, list);
        for (int i = 0; i < box->count(); ++i)
            texts << box->item(i)->text();
        return texts;
    }
    static void validate(QWidget* editor, const QString& keyword, const QString& address)
    {
        child<QLineEdit>(editor, "Text1")->setText(keyword);
        child<QLineEdit>(editor, "Text2")->setText(address);
        QTest::mouseClick(child<QPushButton>(editor, "Command1"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_messages = FakeMessageBox{};
    }

    void missingFileOpensEmptyAndFirstValidationCreatesIt()
    {
        auto editor = open();
        QVERIFY(rows(editor.get(), "List1").isEmpty());
        QVERIFY(rows(editor.get(), "List2").isEmpty());
        QCOMPARE(accessibilityFaults(editor.get()), QStringList());
        // The untouched initial texts are stored like any other pair.
        QTest::mouseClick(child<QPushButton>(editor.get(), "Command1"), Qt::LeftButton);
        QCOMPARE(readBytes(shortcutFile()), QByteArray("Mot cl\xe9\r\nURL\r\n"));
        QCOMPARE(rows(editor.get(), "List1"), QStringList{"Mot clé"});
        QCOMPARE(rows(editor.get(), "List2"), QStringList{"URL"});
    }

    void validationAppendsThePairAndConfirms()
    {
        writeBytes(shortcutFile(), "mail\r\nhttp://courrier.test/\r\n");
        auto editor = open();
        validate(editor.get(), QStringLiteral("météo"), QStringLiteral("http://meteo.test/"));
        QCOMPARE(child<QLabel>(editor.get(), "Label1")->text(),
                 QStringLiteral("Félicitations! Maintenant, il vous suffit de taper le mot météo "
                                "pour accéder à l'adresse http://meteo.test/"));
        // Twice without editing: the same pair twice, the window stays open.
        QTest::mouseClick(child<QPushButton>(editor.get(), "Command1"), Qt::LeftButton);
        QVERIFY(editor->isVisible());
        QCOMPARE(readBytes(shortcutFile()),
                 QByteArray("mail\r\nhttp://courrier.test/\r\n"
                            "m\xe9t\xe9o\r\nhttp://meteo.test/\r\nm\xe9t\xe9o\r\nhttp://meteo.test/\r\n"));
        const QStringList keywords{"mail", "météo", "météo"};
        const QStringList addresses{"http://courrier.test/", "http://meteo.test/", "http://meteo.test/"};
        QCOMPARE(rows(editor.get(), "List1"), keywords);
        QCOMPARE(rows(editor.get(), "List2"), addresses);
        // The next opening reads the same pairs back.
        editor = open();
        QCOMPARE(rows(editor.get(), "List1"), keywords);
        QCOMPARE(rows(editor.get(), "List2"), addresses);
    }

    void confirmationIsPlainTextAndReadAloud()
    {
        auto editor = open();
        validate(editor.get(), QStringLiteral("<b>x</b>"), QStringLiteral("a&lt;b"));
        auto* confirmation = child<QLabel>(editor.get(), "Label1");
        const QString sentence = QStringLiteral("Félicitations! Maintenant, il vous suffit de taper le mot <b>x</b> "
                                                "pour accéder à l'adresse a&lt;b");
        QCOMPARE(QAccessible::queryAccessibleInterface(confirmation)->text(QAccessible::Name), sentence);
        QCOMPARE(accessibilityFaults(editor.get()), QStringList());
        QLabel plain;
        plain.setTextFormat(Qt::PlainText);
        plain.setWordWrap(true);
        plain.setFont(confirmation->font());
        plain.setText(sentence);
        QCOMPARE(confirmation->heightForWidth(confirmation->width()), plain.heightForWidth(confirmation->width()));
    }

    void oddLineCountShiftsAnAppendedPair()
    {
        writeBytes(shortcutFile(), "un\r\nhttp://un.test/\r\ndeux\r\n");
        auto editor = open();
        QCOMPARE(rows(editor.get(), "List1"), (QStringList{"un", "deux"}));
        QCOMPARE(rows(editor.get(), "List2"), QStringList{"http://un.test/"});
        validate(editor.get(), QStringLiteral("trois"), QStringLiteral("http://trois.test/"));
        QCOMPARE(rows(editor.get(), "List1"), (QStringList{"un", "deux", "trois"}));

        // Read back by position: the keyword becomes the address of "deux".
        editor = open();
        QCOMPARE(rows(editor.get(), "List1"), (QStringList{"un", "deux", "http://trois.test/"}));
        QCOMPARE(rows(editor.get(), "List2"), (QStringList{"http://un.test/", "trois"}));
    }

    void onlyTheFirst1001LinesAreListed()
    {
        QByteArray bytes;
        for (int i = 0; i < 1003; ++i)
            bytes += "ligne " + QByteArray::number(i) + "\r\n";
        writeBytes(shortcutFile(), bytes);
        auto editor = open();
        QCOMPARE(rows(editor.get(), "List1").size(), 501);
        QCOMPARE(rows(editor.get(), "List2").size(), 500);
        QCOMPARE(rows(editor.get(), "List1").last(), QStringLiteral("ligne 1000"));
        // Still appended after the file's real last line.
        validate(editor.get(), QStringLiteral("fin"), QStringLiteral("http://fin.test/"));
        QVERIFY(readBytes(shortcutFile()).endsWith("ligne 1002\r\nfin\r\nhttp://fin.test/\r\n"));
    }

    void unwritableFileIsReportedAndNothingIsListed()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("raccourcis.txt")));
        auto editor = open();
        validate(editor.get(), QStringLiteral("essai"), QStringLiteral("http://essai.test/"));
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(m_messages.texts.first().contains(QDir::toNativeSeparators(shortcutFile())));
        QVERIFY(rows(editor.get(), "List1").isEmpty());
        QVERIFY(child<QLabel>(editor.get(), "Label1")->text().isEmpty());
        QCOMPARE(child<QLineEdit>(editor.get(), "Text1")->text(), QStringLiteral("essai"));
    }
};

QTEST_MAIN(ShortcutEditorTest)
#include "tst_shortcuteditor.moc"
