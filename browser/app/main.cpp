#include "BenchReport.h"
#include "MainWindow.h"
#include "MainWindowCommands.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"
#include "WebEngineBrowser.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrello"));
    // The toolkit's own dialogs and buttons speak French, as the rest does.
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    MainWindow window(ProgramFolder::ofExecutable(), std::make_unique<WebEngineBrowser>(),
                      std::make_unique<WebEngineBrowser>());
    new MainWindowCommands(window, std::make_unique<QtMessageBox>(),
                           [] { return std::make_unique<QtFileDialog>(); }, QtFileDialog::forPages());
    window.show();
    BenchReport::attachIfRequested(window);
    return app.exec();
}
