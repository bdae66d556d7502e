// Shows one secondary window, or the main menu bar with a menu dropped down,
// against a fake page view, for screenshots under Xvfb:
//   tavrello_window_preview f_site|f_home|f_moteur|f_erreur|f_facile|f_credits|<menu name> [folder [button]]
// A button named last is clicked once the window is up.
#include "BrowserSession.h"
#include "FakeBrowserComponent.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "NetworkPageFetcher.h"
#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("f_credits");
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
    const QString button = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    BrowserSession session({
        .folder = ProgramFolder(folder),
        .pageView = std::make_unique<FakeBrowserComponent>(),
        .bannerStrip = std::make_unique<FakeBrowserComponent>(),
        .messages = std::make_unique<QtMessageBox>(),
        .fileDialog = std::make_unique<QtFileDialog>(),
        .makeFileDialog = [] { return std::make_unique<QtFileDialog>(); },
        .input = std::make_unique<QtInputBox>(),
        .fetcher = std::make_unique<NetworkPageFetcher>(),
    });
    MainWindow& main = session.window();
    MenuBar* menus = &session.menus();
    main.move(0, 0);
    main.show();

    const QHash<QString, const char*> dialogEntries{{"f_site", "smnu_site"},     {"f_home", "smnu_home"},
                                                    {"f_moteur", "smnu_moteur"}, {"f_erreur", "smnu_erreur404"},
                                                    {"f_facile", "smnu_facile"}, {"f_credits", "smnu_credits"}};
    QTimer::singleShot(300, &main, [&] {
        if (const char* entry = dialogEntries.value(name)) {
            menus->entry(entry)->trigger();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->objectName() != name)
                    continue;
                window->move(820, 40);
                if (auto* target = button.isEmpty() ? nullptr : window->findChild<QPushButton*>(button))
                    target->click();
            }
        } else if (auto* menu = menus->findChild<QMenu*>(name)) {
            menus->setActiveAction(menu->menuAction());
        }
    });
    return app.exec();
}
