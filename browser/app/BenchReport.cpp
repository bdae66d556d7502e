#include "BenchReport.h"

#include "BrowserComponent.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>

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
    Probe(QWidget& window, BrowserComponent& pageView, QString page)
        : QObject(&window)
        , m_pageView(pageView)
        , m_page(std::move(page))
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
        connect(&m_pageView, &BrowserComponent::loadFinished, this, [](bool) {
            stamp("loaded");
            // Leave time for the memory to be sampled.
            QTimer::singleShot(1500, qApp, &QApplication::quit);
        });
        m_pageView.navigate(m_page);
    }

    BrowserComponent& m_pageView;
    QString m_page;
};

}  // namespace

void attachIfRequested(QWidget& window, BrowserComponent& pageView)
{
    const QString page = qEnvironmentVariable("TAVRELLO_BENCH");
    if (!page.isEmpty())
        new Probe(window, pageView, page);
}

}  // namespace BenchReport
