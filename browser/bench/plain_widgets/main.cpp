// The floor of any Qt Widgets program: a main window with a menu bar, an
// editable combo box, six buttons and a label, no engine. Reports when its
// window is shown, as Tavrello does with TAVRELLO_BENCH, then quits once the
// memory has been sampled.
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Fenêtre simple"));
    for (const char* menu : {"&Fichier", "&Navigation", "&Options", "&Rechercher", "&Sites pour webmasters",
                             "&A propos"})
        window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("&Entrée"));
    auto* client = new QWidget;
    client->setFixedSize(791, 554);
    window.setCentralWidget(client);
    auto* combo = new QComboBox(client);
    combo->setEditable(true);
    combo->setGeometry(88, 64, 169, 22);
    (new QLabel(QStringLiteral("URL"), client))->setGeometry(8, 64, 73, 17);
    const char* captions[] = {"GO", "Raccourcis", "Rechercher sur le Web", "Actualiser", "Stopper", "Suivante"};
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QString::fromUtf8(captions[i]), client))->setGeometry(144 + i * 100, 500, 96, 25);
    window.show();
    if (!qEnvironmentVariableIsEmpty("TAVRELLO_BENCH")) {
        // Same moment as in the other programs: the first turn of the event
        // loop after show().
        QTimer::singleShot(0, &window, [] {
            std::fprintf(stderr, "bench shown %lld\n", QDateTime::currentMSecsSinceEpoch());
            std::fflush(stderr);
            QTimer::singleShot(1500, qApp, &QApplication::quit);
        });
    }
    return app.exec();
}
