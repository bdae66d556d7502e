#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "MainWindow.h"
#include "PreferredAddressDialog.h"
#include "Twips.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(const PreferredAddressMember*)

namespace {

// A control's place as drawn, in twips: left, top, width, height.
struct Drawn {
    const char* name;
    QRect twips;
};

// Controls placed elsewhere than the twips helper puts their drawn place, and
// named controls that the drawing does not know.
QStringList misplaced(const QWidget* area, const QList<Drawn>& drawing, QPoint offset = {})
{
    QStringList unknown;
    for (const QWidget* control : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->objectName().isEmpty())
            unknown << control->objectName();
    }
    QStringList wrong;
    for (const Drawn& drawn : drawing) {
        unknown.removeAll(QLatin1String(drawn.name));
        const auto* control = area->findChild<QWidget*>(QLatin1String(drawn.name), Qt::FindDirectChildrenOnly);
        const QRect t = drawn.twips.translated(offset);
        if (!control || control->geometry() != twipsToPixels(t.x(), t.y(), t.width(), t.height()))
            wrong << QLatin1String(drawn.name);
    }
    for (const QString& name : unknown)
        wrong << name + QStringLiteral(" (not drawn)");
    return wrong;
}

}  // namespace

// Every window lays out its controls through the one twips helper.
class WindowGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void helperRoundsToTheNearerPixel()
    {
        QCOMPARE(twipsToPixels(7), 0);
        QCOMPARE(twipsToPixels(8), 1);
        QCOMPARE(twipsToPixels(1215), 81);
        QCOMPARE(twipsToPixels(1222), 81);
        QCOMPARE(twipsToPixels(1223), 82);
        QCOMPARE(twipsToPixels(-7), 0);
        QCOMPARE(twipsToPixels(-8), -1);
        QCOMPARE(twipsToPixels(-360), -24);
        QCOMPARE(twipsToPixels(8, -8, 22, 23), QRect(1, -1, 1, 2));
    }

    void mainWindowControls()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QDir::setCurrent(folder.path()));
        Variables variables;
        MainWindow window(ProgramFolder(folder.path()), variables, std::make_unique<FakeBrowserComponent>(),
                          std::make_unique<FakeBrowserComponent>());
        const QWidget* client = window.centralWidget();
        QCOMPARE(client->size(), twipsToPixels(0, 0, 11865, 8310).size());
        const QList<Drawn> drawing{
            {"wb1", {120, 1440, 11655, 6495}},       {"Combo1", {1320, 960, 2535, 330}},
            {"Command1", {3960, 960, 495, 315}},     {"Label1", {120, 960, 1095, 255}},
            {"wb2", {4560, 0, 7200, 1260}},          {"Label2", {120, 8040, 7335, 255}},
            {"txt_rechercher", {0, 120, 1935, 285}}, {"txt_facile", {0, 480, 1935, 285}},
            {"Command2", {2160, 480, 2295, 255}},    {"Command3", {2160, 120, 2295, 255}},
            {"Text1", {5640, 1320, 975, 1215}},      {"Command4", {10800, 7920, 975, 375}},
            {"Command5", {9840, 7920, 855, 375}},    {"Command6", {8760, 7920, 975, 375}},
            {"Command7", {7440, 7920, 1215, 375}},   {"Image1", {0, 0, 750, 750}},
        };
        const QStringList wrong = misplaced(client, drawing);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
        QDir::setCurrent(QDir::tempPath());
    }

    void preferredAddressDialogControls_data()
    {
        QTest::addColumn<const PreferredAddressMember*>("member");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("f_site") << &preferred_address::site << QSize(5790, 3195) << QPoint(120, 120);
        QTest::newRow("f_home") << &preferred_address::home << QSize(5640, 3195) << QPoint(0, 0);
        QTest::newRow("f_moteur") << &preferred_address::moteur << QSize(5580, 3195) << QPoint(0, 240);
        QTest::newRow("f_erreur") << &preferred_address::erreur << QSize(6360, 2760) << QPoint(0, -360);
    }
    void preferredAddressDialogControls()
    {
        QFETCH(const PreferredAddressMember*, member);
        QFETCH(QSize, client);
        QFETCH(QPoint, offset);
        Variables variables;
        FakeMessageBox messages;
        PreferredAddressDialog dialog(*member, variables, ProgramFolder(QDir::tempPath()), nullptr,
                                      std::make_unique<FakeFileDialog>(), messages);
        QCOMPARE(dialog.size(), twipsToPixels(0, 0, client.width(), client.height()).size());
        // The home-page dialog's drawing; the others move it by their offset.
        const QList<Drawn> drawing{
            {"Label1", {0, 600, 855, 255}},        {"Text1", {960, 600, 3495, 285}},
            {"opt1", {4560, 600, 1095, 255}},      {"Label2", {0, 1560, 855, 255}},
            {"Text2", {960, 1560, 3495, 285}},     {"opt2", {4560, 1560, 1095, 255}},
            {"Command4", {2280, 2040, 1455, 255}}, {"Command2", {1320, 2640, 1695, 255}},
            {"Command1", {3240, 2640, 1695, 255}},
        };
        const QStringList wrong = misplaced(&dialog, drawing, offset);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(WindowGeometryTest)
#include "tst_windowgeometry.moc"
