// Runs one File-menu scenario on the real main window against a local web
// server, for screenshots under Xvfb; the program ends by itself after a few
// seconds:
//   tavrello_file_preview source|save-dialog|open-dialog|refused|404|silent|blank|local
//                         |folder-in-the-way|missing-folder|read-only|disk-full
// "404" is the server's error page, saved like any page; a scenario prefixed
// with "source-" (source-refused) opens the viewer instead of saving.
#include "BrowserSession.h"
#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "LocalHttpServer.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "NetworkPageFetcher.h"
#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"
#include "TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>

using namespace std::chrono_literals;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("source");

    QTemporaryDir folder;
    LocalHttpServer server;
    server.listen();
    server.setPage("/", "<html>\n<head><title>Accueil</title></head>\n<body>\n<p>Bienvenue : "
                        "é€œ — une ligne assez longue pour être coupée au bord de la boîte de texte "
                        "sans barre de défilement horizontale.</p>\n</body>\n</html>\n");
    server.setSilent("/muet");
    writeBytes(folder.filePath(QStringLiteral("ancienne.htm")), "ancienne\r\n");

    auto pageView = std::make_unique<FakeBrowserComponent>();
    FakeBrowserComponent& wb1 = *pageView;
    wb1.url = server.url("/");
    const QHash<QString, QString> addresses{{"refused", server.refusingUrl()},
                                            {"404", server.url("/absente")},
                                            {"silent", server.url("/muet")},
                                            {"blank", "about:blank"},
                                            {"local", "file:///tmp/page.htm"}};
    const bool viewing = scenario.startsWith(QLatin1String("source"));
    wb1.url = addresses.value(viewing ? scenario.mid(7) : scenario, wb1.url);
    const QHash<QString, QString> targets{{"folder-in-the-way", folder.path()},
                                          {"missing-folder", folder.filePath("absent/page.htm")},
                                          {"read-only", "/proc/page.htm"},
                                          {"disk-full", folder.filePath("ancienne.htm")}};

    std::unique_ptr<FileDialog> cd1;
    if (targets.contains(scenario)) {
        auto scripted = std::make_unique<FakeFileDialog>();
        scripted->answers << targets.value(scenario);
        cd1 = std::move(scripted);
    } else {
        cd1 = QtFileDialog::forPages();
    }
    BrowserSession session({
        .folder = ProgramFolder(folder.path()),
        .pageView = std::move(pageView),
        .bannerStrip = std::make_unique<FakeBrowserComponent>(),
        .messages = std::make_unique<QtMessageBox>(),
        .fileDialog = std::move(cd1),
        .makeFileDialog = [] { return std::make_unique<QtFileDialog>(); },
        .input = std::make_unique<QtInputBox>(),
        .fetcher = std::make_unique<NetworkPageFetcher>(),
    });
    MainWindow& window = session.window();
    MenuBar* menus = &session.menus();
    session.services().fetcher.setDeadline(2s);
    window.move(0, 0);
    window.show();

    // Ends even while a modal message waits for its OK.
    QTimer::singleShot(6000, [&folder] {
        folder.remove();
        std::_Exit(0);
    });
    QTimer::singleShot(300, &window, [&] {
        const char* entry = viewing                                    ? "smnu_source"
                            : scenario == QLatin1String("open-dialog") ? "smnu_ouvrir"
                                                                       : "smnu_save";
        menus->entry(entry)->trigger();
    });
    int result = 0;
    withFileSizeLimit(scenario == QLatin1String("disk-full") ? 16 : RLIM_INFINITY, [&] { result = app.exec(); });
    return result;
}
