#include "BenchReport.h"

#include "BrowserComponent.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

#include <cstdio>

namespace BenchReport {

void attachIfRequested(MainWindow& window)
{
    const QString page = qEnvironmentVariable("TAVRELLO_BENCH");
    if (page.isEmpty())
        return;
    auto stamp = [](const char* what) {
        std::fprintf(stderr, "bench %s %lld\n", what, QDateTime::currentMSecsSinceEpoch());
        std::fflush(stderr);
    };
    QTimer::singleShot(0, &window, [&window, page, stamp] {
        stamp("shown");
        QObject::connect(&window.pageView(), &BrowserComponent::loadFinished, &window, [stamp](bool) {
            stamp("loaded");
            // Leave time for the memory to be sampled.
            QTimer::singleShot(1500, qApp, &QApplication::quit);
        });
        window.pageView().navigate(page);
    });
}

}  // namespace BenchReport
