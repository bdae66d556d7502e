#include "BenchReport.h"
#include "BrowserSession.h"
#include "CommandLine.h"
#include "DataFolder.h"
#include "EngineModule.h"
#include "LateBrowser.h"
#include "LateFetcher.h"
#include "MainWindow.h"
#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The engine's pages drawn with OpenGL need a context shared by every
    // window, made with the application. Without a GPU the engine hands them
    // over as pictures and needs none (see EngineModule): making one would
    // load the whole software OpenGL stack before the window could show.
    if (!EngineModule::drawsWithoutGpu())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrello"));
    // Qt's own options (-platform, -style...) are gone from the arguments by now.
    const std::optional<command_line::Start> start = command_line::parse(QCoreApplication::arguments());
    if (!start) {
        std::fprintf(stderr, "%s\n", qPrintable(command_line::usage()));
        return 2;
    }
    // The toolkit's own dialogs and buttons speak French, as the rest does.
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    // The engine is loaded once the window is painted.
    EngineModule engine = EngineModule::forRunningProgram();
    auto onEngine = [&engine](QString& whyNot) { return engine.makeBrowser(whyNot); };
    BrowserSession session({
        .folder = DataFolder::forRunningProgram(start->startedFrom),
        .pageView = std::make_unique<LateBrowser>(onEngine),
        .bannerStrip = std::make_unique<LateBrowser>(onEngine),
        .messages = std::make_unique<QtMessageBox>(),
        .fileDialog = QtFileDialog::forPages(),
        .makeFileDialog = [] { return std::make_unique<QtFileDialog>(); },
        .input = std::make_unique<QtInputBox>(),
        .fetcher = std::make_unique<LateFetcher>([&engine](QString& whyNot) { return engine.makeFetcher(whyNot); }),
    });
    session.window().show();
    if (!start->address.isEmpty())
        session.window().visit(start->address);
    BenchReport::attachIfRequested(session.window(), session.services().pageView);
    return app.exec();
}
