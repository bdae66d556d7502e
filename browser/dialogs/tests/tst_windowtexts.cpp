// The secondary windows' texts and layout, checked against tables written
// from the design by hand (not from the code): captions, control texts,
// places and sizes in twips, client sizes, fonts and colours. Every named
// control is in its window's table.
#include "CreditsWindow.h"
#include "Endpoints.h"
#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "PreferredAddressDialog.h"
#include "ShortcutEditor.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

struct Control {
    const char* name;
    QString text;  // caption, label text or initial text; null: not compared
    QRect twips;
};

struct Window {
    const char* form;
    QString caption;
    QSize clientTwips;
    QList<Control> controls;
};

}  // namespace

Q_DECLARE_METATYPE(Window)

namespace {

// The address dialogs: one layout, moved by each member's offset.
Window addressDialog(const char* form, const QString& caption, QSize client, int across, int down)
{
    const QList<Control> reference{
        {"Label1", "URL :", {0, 600, 855, 255}},
        {"Text1", "", {960, 600, 3495, 285}},
        {"opt1", "URL", {4560, 600, 1095, 255}},
        {"Label2", "Fichier :", {0, 1560, 855, 255}},
        {"Text2", "", {960, 1560, 3495, 285}},
        {"opt2", "Fichier", {4560, 1560, 1095, 255}},
        {"Command4", "Parcourir", {2280, 2040, 1455, 255}},
        {"Command2", "&Annuler", {1320, 2640, 1695, 255}},
        {"Command1", "&Valider", {3240, 2640, 1695, 255}},
    };
    Window window{form, caption, client, {}};
    for (Control control : reference) {
        control.twips.translate(across, down);
        window.controls.append(control);
    }
    return window;
}

QRect pixels(const QRect& twips)
{
    return QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
}

QString shownText(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    return QString();
}

void checkWindow(QWidget* built, const Window& expected)
{
    QCOMPARE(built->objectName(), QLatin1String(expected.form));
    QCOMPARE(built->windowTitle(), expected.caption);
    QCOMPARE(built->size(), QSize(expected.clientTwips.width() / 15, expected.clientTwips.height() / 15));
    for (const Control& control : expected.controls) {
        QWidget* found = built->findChild<QWidget*>(QLatin1String(control.name));
        QVERIFY2(found, control.name);
        QCOMPARE(found->geometry(), pixels(control.twips));
        if (!control.text.isNull())
            QCOMPARE(shownText(found), control.text);
    }
    for (const QWidget* control : built->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = control->objectName();
        const bool drawn = std::any_of(expected.controls.begin(), expected.controls.end(),
                                       [&](const Control& c) { return name == QLatin1String(c.name); });
        QVERIFY2(name.isEmpty() || drawn, qPrintable(name + QStringLiteral(" is not drawn")));
    }
}

void checkFont(QWidget* control, const QString& family, bool bold, bool underline)
{
    const QFont font = control->font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    // A face missing from the system may be drawn a little smaller to fit its box.
    QVERIFY2(font.pointSizeF() <= 8.25 && font.pointSizeF() >= 6.0, control->objectName().toLatin1());
}

}  // namespace

Q_DECLARE_METATYPE(const PreferredAddressMember*)

class WindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }

    void twipsRoundToTheNearerPixel()
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

    void addressDialogs_data()
    {
        QTest::addColumn<const PreferredAddressMember*>("member");
        QTest::addColumn<Window>("expected");
        QTest::newRow("f_site") << &preferred_address::site
                                << addressDialog("f_site", "Choisissez votre site préféré", {5790, 3195}, 120, 120);
        QTest::newRow("f_home") << &preferred_address::home
                                << addressDialog("f_home", "Choisissez votre page d'accueil", {5640, 3195}, 0, 0);
        QTest::newRow("f_moteur") << &preferred_address::moteur
                                  << addressDialog("f_moteur", "Choisissez votre moteur de recherche préféré",
                                                   {5580, 3195}, 0, 240);
        QTest::newRow("f_erreur") << &preferred_address::erreur
                                  << addressDialog("f_erreur", "Personnalisation de l'erreur 404", {6360, 2760}, 0,
                                                   -360);
    }

    void addressDialogs()
    {
        QFETCH(const PreferredAddressMember*, member);
        QFETCH(Window, expected);
        Variables variables;
        FakeMessageBox messages;
        QWidget mainWindow;
        PreferredAddressDialog dialog(*member, variables, ProgramFolder(m_folder->path()), &mainWindow,
                                      std::make_unique<FakeFileDialog>(), messages);
        checkWindow(&dialog, expected);
        if (QTest::currentTestFailed())
            return;
        for (const char* label : {"Label1", "Label2"})
            QVERIFY(child<QLabel>(&dialog, label)->alignment().testFlag(Qt::AlignHCenter));
        for (QWidget* control : dialog.findChildren<QWidget*>())
            QCOMPARE(control->font(), dialog.font());
    }

    void shortcutEditor()
    {
        FakeMessageBox messages;
        ShortcutEditor editor(ProgramFolder(m_folder->path()), messages);
        checkWindow(&editor, {"f_facile",
                              "Saisie des raccourcis",
                              {3480, 3105},
                              {{"List1", {}, {120, 120, 855, 2595}},
                               {"Text1", "Mot clé", {2040, 120, 1335, 285}},
                               {"Text2", "URL", {2040, 600, 1335, 285}},
                               {"Command1", "&Valider", {2040, 1080, 1335, 255}},
                               {"Label1", "", {2040, 1680, 1335, 1215}},
                               {"List2", {}, {1080, 120, 855, 2595}},
                               {"Command2", "Fermer la fenêtre", {120, 2760, 1695, 255}}}});
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(child(&editor, "Text1")->toolTip(),
                 QStringLiteral("C'est par ce mot que vous accederez à l'url du champs de saisie ci-dessous."));
        QCOMPARE(child(&editor, "Text2")->toolTip(), QStringLiteral("URL associée au mot clé précédemment entré"));
        for (QWidget* control : editor.findChildren<QWidget*>())
            QCOMPARE(control->font(), editor.font());
    }

    void aboutWindow()
    {
        FakeBrowserComponent wb1;
        CreditsWindow window(wb1);
        window.show();
        const QString author = QString::fromUtf8(endpoints::authorName);
        const QString email = QString::fromUtf8(endpoints::authorEmail);
        const QString dovrane = QStringLiteral(
            "Moteur de recherche, classement de sites, réseau d'échange de bannières, référencement gratuit, "
            "annuaire de sites gratuits et bien d'autres tels que météo, actualité etc... Cliquez ici!!");
        checkWindow(&window, {"f_credits",
                              "Crédits",
                              {4680, 3195},
                              {{"Label1", author, {480, 240, 2055, 255}},
                               {"Label2", "Webmaster du site Dovrane", {480, 600, 2055, 255}},
                               {"Label3", email, {480, 960, 2055, 255}},
                               {"Label4", "Groupe Dovrane", {480, 1440, 1935, 255}},
                               {"Label5", dovrane, {120, 1920, 4455, 735}},
                               {"Command1", "Fermer la fenêtre", {2040, 2880, 2535, 255}},
                               {"Image1", {}, {2760, 120, 1335, 1695}}}});
        if (QTest::currentTestFailed())
            return;

        QVERIFY(window.autoFillBackground());
        QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 255, 192));
        auto colour = [&](const char* label) { return child(&window, label)->palette().color(QPalette::WindowText); };
        QCOMPARE(colour("Label1"), QColor(255, 0, 0));
        QCOMPARE(colour("Label2"), QColor(0, 128, 0));
        QCOMPARE(colour("Label3"), QColor(0, 0, 192));
        QCOMPARE(colour("Label4"), window.palette().color(QPalette::WindowText));
        QCOMPARE(colour("Label5"), QColor(0, 0, 192));

        checkFont(child(&window, "Label1"), "MS Sans Serif", true, false);
        checkFont(child(&window, "Label2"), window.font().family(), false, false);
        checkFont(child(&window, "Label3"), "MS Sans Serif", false, true);
        checkFont(child(&window, "Label4"), "MS Sans Serif", true, false);
        checkFont(child(&window, "Label5"), "Comic Sans MS", false, true);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(child(&window, "Command1")->font(), window.font());

        for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
            QVERIFY(child<QLabel>(&window, label)->alignment().testFlag(Qt::AlignHCenter));
        auto* long_ = child<QLabel>(&window, "Label5");
        QVERIFY(long_->alignment().testFlag(Qt::AlignLeft));
        QVERIFY(long_->wordWrap());
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_MAIN(WindowTextsTest)
#include "tst_windowtexts.moc"
