#include "FakeBrowserComponent.h"
#include "FindWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class FindWindowTest : public QObject {
    Q_OBJECT
private slots:
    void findsAsTypedStepsBothWaysAndSaysWhenNothingIsFound()
    {
        FakeBrowserComponent wb1;
        FindWindow window(wb1);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Rechercher dans la page"));
        auto* text = window.findChild<QLineEdit*>("Text1");
        auto* result = window.findChild<QLabel*>("Label2");
        QCOMPARE(QApplication::focusWidget(), text);

        QTest::keyClicks(text, "mo");
        emit wb1.findTextFinished(1, 3);
        QCOMPARE(result->text(), QStringLiteral("Occurrence 1 sur 3"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
        window.findChild<QCheckBox*>("Check1")->click();
        window.findChild<QPushButton*>("Command2")->click();
        QCOMPARE(wb1.calls, (QStringList{"findText m", "findText mo", "findText mo", "findText mo arrière",
                                         "findText mo casse", "findText mo casse arrière"}));

        emit wb1.findTextFinished(0, 0);
        QCOMPARE(result->text(), QStringLiteral("Aucune occurrence"));

        // Closing takes the marks out of the page.
        wb1.calls.clear();
        window.close();
        QCOMPARE(wb1.calls, QStringList{"findText "});
    }
};

QTEST_MAIN(FindWindowTest)
#include "tst_findwindow.moc"
