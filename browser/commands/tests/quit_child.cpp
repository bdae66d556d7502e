// A main window with the editor, the source viewer and the about window open,
// then "&Quitter": prints what it opened, then anything that still runs (a
// window being closed, the event loop returning, a destructor), unbuffered.
// The program folder is the first argument: the process leaves no temporary
// folder of its own behind.
#include "FakeSession.h"
#include "LocalHttpServer.h"
#include "MainWindow.h"
#include "MenuBar.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

class CloseReporter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            std::printf("fermeture %s\n", qPrintable(watched->objectName()));
        return false;
    }
};

struct ExitReporter {
    ~ExitReporter() { std::printf("destruction\n"); }
} exitReporter;

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    LocalHttpServer server;
    server.listen();
    server.setPage("/", "<p>source</p>");

    FakeSession fakes(folder);
    fakes.wb1->url = server.url("/");
    MainWindow& window = fakes.window();
    MenuBar* menus = &fakes.menus();
    window.show();
    CloseReporter reporter;
    app.installEventFilter(&reporter);

    QTimer::singleShot(0, &window, [menus] {
        for (const char* entry : {"smnu_facile", "smnu_source", "smnu_credits"})
            menus->entry(entry)->trigger();
        QStringList names;
        for (QWidget* open : QApplication::topLevelWidgets()) {
            if (open->isVisible() && open->objectName().startsWith(QLatin1String("f_")))
                names << open->objectName();
        }
        names.sort();
        std::printf("ouvertes : %s\n", qPrintable(names.join(QLatin1Char(' '))));
        menus->entry("smnu_quitter")->trigger();
        std::printf("le programme continue\n");
    });
    const int code = app.exec();
    std::printf("la boucle est finie\n");
    return code;
}
