#include "CreditsWindow.h"
#include "Endpoints.h"
#include "FakeBrowserComponent.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class CreditsWindowTest : public QObject {
    Q_OBJECT

private:
    template <typename Control>
    static Control* control(QWidget& window, const char* name)
    {
        auto* found = window.findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

private slots:
    void linksNavigateThePageViewAndTheWindowStays()
    {
        FakeBrowserComponent wb1;
        CreditsWindow window(wb1);
        window.show();
        auto* Label3 = control<QLabel>(window, "Label3");
        QCOMPARE(Label3->text(), QString::fromUtf8(endpoints::authorEmail));

        QTest::mouseClick(Label3, Qt::LeftButton);
        QTest::mouseClick(control<QLabel>(window, "Label5"), Qt::LeftButton);
        // The other labels and the picture are not links.
        for (const char* name : {"Label1", "Label2", "Label4", "Image1"})
            QTest::mouseClick(control<QLabel>(window, name), Qt::LeftButton);
        // Reachable from the keyboard too.
        QTest::keyClick(Label3, Qt::Key_Return);

        const QString mail = QStringLiteral("mailto:") + QString::fromUtf8(endpoints::authorEmail);
        QCOMPARE(wb1.navigations,
                 (QStringList{mail, QStringLiteral("http://") + QString::fromUtf8(endpoints::directoryHost), mail}));
        QVERIFY(window.isVisible());

        QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void showsTheAuthorOnLightYellow()
    {
        FakeBrowserComponent wb1;
        CreditsWindow window(wb1);
        QCOMPARE(window.windowTitle(), QStringLiteral("Crédits"));
        QCOMPARE(window.size(), QSize(4680 / 15, 3195 / 15));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 255, 192));
        auto* Label1 = control<QLabel>(window, "Label1");
        QCOMPARE(Label1->text(), QString::fromUtf8(endpoints::authorName));
        QCOMPARE(Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(Label1->font().bold());
        QVERIFY(control<QLabel>(window, "Label5")->font().underline());
        // The photograph comes from the program's own resources.
        QCOMPARE(control<QLabel>(window, "Image1")->pixmap().size(), QSize(480, 640));
    }
};

QTEST_MAIN(CreditsWindowTest)
#include "tst_creditswindow.moc"
