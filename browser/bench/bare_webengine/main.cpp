// An empty QWebEngineView, reporting like Tavrello does with TAVRELLO_BENCH:
// when its window is shown and when the page named by the variable
// has loaded.
#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>

namespace {

void stamp(const char* what)
{
    std::fprintf(stderr, "bench %s %lld\n", what, QDateTime::currentMSecsSinceEpoch());
    std::fflush(stderr);
}

class Probe : public QObject {
public:
    Probe(QWebEngineView& view, QString page) : QObject(&view), m_view(view), m_page(std::move(page))
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
        connect(&m_view, &QWebEngineView::loadFinished, this, [](bool) {
            stamp("loaded");
            QTimer::singleShot(1500, qApp, &QApplication::quit);
        });
        m_view.setUrl(QUrl::fromUserInput(m_page));
    }

    QWebEngineView& m_view;
    QString m_page;
};

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(791, 554);
    view.show();
    const QString page = qEnvironmentVariable("TAVRELLO_BENCH");
    if (!page.isEmpty())
        new Probe(view, page);
    return app.exec();
}
