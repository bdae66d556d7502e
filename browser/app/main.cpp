#include "BenchReport.h"
#include "MainWindow.h"
#include "WebEngineBrowser.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrello"));

    MainWindow window(ProgramFolder::ofExecutable(), std::make_unique<WebEngineBrowser>(),
                      std::make_unique<WebEngineBrowser>());
    window.show();
    BenchReport::attachIfRequested(window);
    return app.exec();
}
