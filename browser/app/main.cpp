#include "BenchReport.h"
#include "BrowserSession.h"
#include "CommandLine.h"
#include "DataFolder.h"
#include "MainWindow.h"
#include "PageFetcher.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"
#include "QtInputBox.h"
#include "WebEngineBrowser.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QQuickWindow>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Told to work without a GPU, as it must be on machines that have none,
    // the engine hands its pages over as pictures: Qt Quick's raster renderer
    // shows them with far less work than OpenGL, which would be Mesa's
    // software rasteriser there.
    if (qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(u' ').contains(QStringLiteral("--disable-gpu")))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
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

    BrowserSession session({
        .folder = DataFolder::forRunningProgram(start->startedFrom),
        .pageView = std::make_unique<WebEngineBrowser>(),
        .bannerStrip = std::make_unique<WebEngineBrowser>(),
        .messages = std::make_unique<QtMessageBox>(),
        .fileDialog = QtFileDialog::forPages(),
        .makeFileDialog = [] { return std::make_unique<QtFileDialog>(); },
        .input = std::make_unique<QtInputBox>(),
        .fetcher = std::make_unique<PageFetcher>(),
    });
    session.window().show();
    if (!start->address.isEmpty())
        session.window().visit(start->address);
    BenchReport::attachIfRequested(session.window(), session.services().pageView);
    return app.exec();
}
