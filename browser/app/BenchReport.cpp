#include "BenchReport.h"

#include "BrowserComponent.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

#include <cstdio>

namespace BenchReport {
namespace {

void stamp(const char* what)
{
    std::fprintf(stderr, "bench %s %lld\n", what, QDateTime::currentMSecsSinceEpoch());
    std::fflush(stderr);
}

// Marks the window as shown, then visits the page.
class Probe : public QObject {
public:
    Probe(MainWindow& window, QString page) : QObject(&window), m_window(window), m_page(std::move(page))
    {
        // Same moment in both programs: the first turn of the event loop after
        // show().
        QTimer::singleShot(0, this, [this] {
            stamp("shown");
            QTimer::singleShot(0, this, [this] { visit(); });
        });
    }

private:
    void visit()
    {
        connect(&m_window.pageView(), &BrowserComponent::loadFinished, this, [](bool) {
            stamp("loaded");
            // Leave time for the memory to be sampled.
            QTimer::singleShot(1500, qApp, &QApplication::quit);
        });
        m_window.pageView().navigate(m_page);
    }

    MainWindow& m_window;
    QString m_page;
};

}  // namespace

void attachIfRequested(MainWindow& window)
{
    const QString page = qEnvironmentVariable("TAVRELLO_BENCH");
    if (!page.isEmpty())
        new Probe(window, page);
}

}  // namespace BenchReport
