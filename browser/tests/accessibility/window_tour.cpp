// Shows every window of the browser at once, at fixed places, for the
// screen-reader check: the main window with its menu bar, the four address
// dialogs, the shortcut editor, the about window, the source viewer and the
// find window. The page views are fakes.
//   tavrello_window_tour <shown.json>
// writes, for each window, its caption and the place and visible text of each
// button and label, then keeps changing the status line until it is closed.
#include "CreditsWindow.h"
#include "FakeBrowserComponent.h"
#include "FindWindow.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "NetworkPageFetcher.h"
#include "PreferredAddressDialog.h"
#include "PreferredAddressMember.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"
#include "ShortcutEditor.h"
#include "SourceViewer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

// The status line is left out: its text keeps changing, and it is checked on its own.
QJsonObject describe(QWidget* window)
{
    QJsonArray controls;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (window->objectName() == QLatin1String("f_exe") && control->objectName() == QLatin1String("Label2"))
            continue;
        QString shown;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text().remove(QLatin1Char('&'));
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->buddy() ? label->text().remove(QLatin1Char('&')) : label->text();
        if (shown.isEmpty() || !control->isVisible())
            continue;
        const QPoint at = control->mapToGlobal(QPoint(0, 0));
        controls.append(QJsonObject{{"control", control->objectName()},
                                    {"text", shown},
                                    {"rect", QJsonArray{at.x(), at.y(), control->width(), control->height()}}});
    }
    return QJsonObject{{"caption", window->windowTitle()}, {"controls", controls}};
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QTemporaryDir folder;
    QFile shortcuts(folder.filePath(QStringLiteral("raccourcis.txt")));
    if (!shortcuts.open(QIODevice::WriteOnly) || shortcuts.write("meteo\r\nhttp://meteo.test/\r\n") < 0)
        return 2;
    shortcuts.close();
    const ProgramFolder programFolder(folder.path());

    auto pageView = std::make_unique<FakeBrowserComponent>();
    FakeBrowserComponent& wb1 = *pageView;
    Variables variables;
    MainWindow main(programFolder, variables, std::move(pageView), std::make_unique<FakeBrowserComponent>());
    main.setMenuBar(new MenuBar);
    main.move(0, 0);

    QtMessageBox messages;
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const PreferredAddressMember* member :
         {&preferred_address::site, &preferred_address::home, &preferred_address::moteur, &preferred_address::erreur}) {
        windows.push_back(std::make_unique<PreferredAddressDialog>(*member, variables, programFolder, &main,
                                                                   std::make_unique<QtFileDialog>(), messages));
    }
    windows.push_back(std::make_unique<ShortcutEditor>(programFolder, messages));
    windows.push_back(std::make_unique<CreditsWindow>(wb1));
    // No page is shown, so the viewer holds the French reason at once.
    NetworkPageFetcher inet1;
    windows.push_back(std::make_unique<SourceViewer>(wb1, inet1));
    windows.push_back(std::make_unique<FindWindow>(wb1));

    main.show();
    QPoint place(820, 0);
    for (const auto& window : windows) {
        window->move(place);
        window->show();
        place += QPoint(0, 40);
        if (place.y() > 400)
            place = QPoint(place.x() + 420, 0);
    }

    QTimer::singleShot(500, &main, [&] {
        // One shortcut saved, so that the editor shows its confirmation sentence.
        for (const auto& window : windows) {
            if (window->objectName() == QLatin1String("f_facile"))
                window->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
            // A word the page lacks, so that the find window says so.
            if (window->objectName() == QLatin1String("f_recherche"))
                window->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("absent"));
        }
        emit wb1.findTextFinished(0, 0);
        QJsonArray shown{describe(&main)};
        for (const auto& window : windows)
            shown.append(describe(window.get()));
        QFile out(QString::fromLocal8Bit(argv[1]));
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(shown).toJson()) < 0)
            QCoreApplication::exit(2);
    });
    // A status text that keeps changing, for the check that a screen reader hears it.
    int tick = 0;
    wb1.name = QStringLiteral("Accueil");
    QTimer status;
    QObject::connect(&status, &QTimer::timeout, &main, [&] {
        emit wb1.statusTextChange(++tick % 2 ? QStringLiteral("Ouverture de la page...") : QStringLiteral("Terminé"));
    });
    status.start(300);
    return app.exec();
}
