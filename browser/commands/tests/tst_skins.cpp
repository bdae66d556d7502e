#include "FakeSession.h"

#include "TestFiles.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <memory>

// "Skins de Tavrello": the picture shown in the corner and skins.txt change
// together, or not at all.
class SkinsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<FakeSession>();
        m_png = m_fixture->programFile("rouge.png");
        m_jpeg = m_fixture->currentFile("bleu.jpg");
        QVERIFY(picture(40, 30, Qt::red).save(m_png, "PNG"));
        QVERIFY(picture(64, 48, Qt::blue).save(m_jpeg, "JPEG"));
    }
    void cleanup() { m_fixture.reset(); }

    void skinIsShownStoredAndBackAtTheNextStart()
    {
        choose(m_png);
        QCOMPARE(m_fixture->input->titles, QStringList{"Ajout d'un skin"});
        QCOMPARE(m_fixture->input->prompts, QStringList{"Entrez le chemin d'accès du skin"});
        QCOMPARE(shownSize(m_fixture->window()), QSize(40, 30));
        QCOMPARE(skinsFile(), m_png.toLocal8Bit() + "\r\n");

        // A relative path is read from the current folder and stored as typed.
        choose(QStringLiteral("bleu.jpg"));
        QCOMPARE(shownSize(m_fixture->window()), QSize(64, 48));
        QCOMPARE(skinsFile(), QByteArray("bleu.jpg\r\n"));
        QVERIFY(m_fixture->messages->texts.isEmpty());

        QCOMPARE(shownSize(*m_fixture->openWindow()), QSize(64, 48));
    }

    void cancelOrEmptyPathRemovesTheSkin_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("cancelled") << std::optional<QString>();
        QTest::newRow("empty") << std::optional<QString>(QString());
    }
    void cancelOrEmptyPathRemovesTheSkin()
    {
        QFETCH(std::optional<QString>, answer);
        choose(m_png);
        m_fixture->input->answers = {answer};
        m_fixture->trigger("smnu_skins");
        QCOMPARE(shownSize(m_fixture->window()), QSize(0, 0));
        QCOMPARE(skinsFile(), QByteArray("\r\n"));
        QVERIFY(m_fixture->messages->texts.isEmpty());
        QCOMPARE(shownSize(*m_fixture->openWindow()), QSize(0, 0));
    }

    void unreadablePictureChangesNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << "absent.png" << QByteArray();
        QTest::newRow("text named .bmp") << "texte.bmp" << QByteArray("Ceci n'est pas une image.\r\n");
    }
    void unreadablePictureChangesNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        const QString path = m_fixture->currentFile(fileName);
        if (!content.isEmpty())
            writeBytes(path, content);
        choose(m_png);

        choose(path);
        QCOMPARE(shownSize(m_fixture->window()), QSize(40, 30));
        QCOMPARE(skinsFile(), m_png.toLocal8Bit() + "\r\n");
        QCOMPARE(m_fixture->messages->titles, QStringList{"Ajout d'un skin"});
        QCOMPARE(m_fixture->messages->texts.size(), 1);
        QVERIFY2(m_fixture->messages->texts.first().contains(QStringLiteral("« %1 »").arg(path)),
                 qPrintable(m_fixture->messages->texts.first()));
        QVERIFY(m_fixture->messages->texts.first().startsWith(QStringLiteral("Impossible de lire l'image")));
    }

    void skinsFileThatCannotBeWrittenIsReported()
    {
        QVERIFY(QDir(m_fixture->programFile(QString())).mkdir(QStringLiteral("skins.txt")));
        choose(m_png);
        QCOMPARE(shownSize(m_fixture->window()), QSize(40, 30));
        QCOMPARE(m_fixture->messages->texts.size(), 1);
        QVERIFY(m_fixture->messages->texts.first().contains(QStringLiteral("skins.txt")));
    }

private:
    static QImage picture(int width, int height, Qt::GlobalColor colour)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    void choose(const QString& path)
    {
        m_fixture->input->answers = {path};
        m_fixture->trigger("smnu_skins");
    }
    static QSize shownSize(MainWindow& window) { return window.findChild<QLabel*>("Image1")->pixmap().size(); }
    QByteArray skinsFile() const { return readBytes(m_fixture->programFile("skins.txt")); }

    std::unique_ptr<FakeSession> m_fixture;
    QString m_png;
    QString m_jpeg;
};

QTEST_MAIN(SkinsTest)
#include "tst_skins.moc"
