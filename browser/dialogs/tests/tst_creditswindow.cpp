#include "CreditsWindow.h"
#include "Endpoints.h"
#include "FakeBrowserComponent.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class CreditsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void linksNavigateThePageViewAndTheWindowStays()
    {
        FakeBrowserComponent wb1;
        CreditsWindow window(wb1);
        window.show();
        // The photograph comes from the library's own resources.
        QCOMPARE(child<QLabel>(&window, "Image1")->pixmap().size(), QSize(480, 640));
        QCOMPARE(accessibilityFaults(&window), QStringList());

        QTest::mouseClick(child(&window, "Label3"), Qt::LeftButton);
        QTest::mouseClick(child(&window, "Label5"), Qt::LeftButton);
        // The other labels and the picture are not links.
        for (const char* name : {"Label1", "Label2", "Label4", "Image1"})
            QTest::mouseClick(child(&window, name), Qt::LeftButton);
        // Reachable from the keyboard too.
        QTest::keyClick(child(&window, "Label3"), Qt::Key_Return);

        const QString mail = QStringLiteral("mailto:") + QString::fromUtf8(endpoints::authorEmail);
        const QString site = QStringLiteral("http://") + QString::fromUtf8(endpoints::directoryHost);
        QCOMPARE(wb1.navigations, (QStringList{mail, site, mail}));
        QVERIFY(window.isVisible());

        QTest::mouseClick(child<QPushButton>(&window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(CreditsWindowTest)
#include "tst_creditswindow.moc"
