#include "FetchedPage.h"
#include "LocalHttpServer.h"
#include "NetworkPageFetcher.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// A line of /proc/self/status, in bytes.
qint64 memoryFigure(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

}  // namespace

class PageFetcherTest : public QObject {
    Q_OBJECT

private:
    LocalHttpServer m_server;
    NetworkPageFetcher m_inet1;

private slots:
    void initTestCase() { QVERIFY(m_server.listen()); }

    void bodyComesAsSentAfterRedirectsWhateverTheStatus()
    {
        const QByteArray body("<html>\r\n<p>caf\xc3\xa9 \xe2\x82\xac</p>\n</html>");
        m_server.setPage("/page", body, "text/html; charset=UTF-8");
        m_server.setRedirect("/ancienne", m_server.url("/page"));
        const int before = m_server.requestCount();

        const FetchedPage page = m_inet1.fetch(m_server.url("/ancienne"));
        QVERIFY2(!page.failed(), qPrintable(page.failure));
        QCOMPARE(page.body, body);
        QCOMPARE(page.contentType, QByteArray("text/html; charset=UTF-8"));
        QCOMPARE(m_server.requests().mid(before), (QStringList{"GET /ancienne", "GET /page"}));

        // An error page is a page; one that stops coming is not.
        m_server.setRawResponse("/erreur", "HTTP/1.1 500 Erreur\r\nContent-Length: 8\r\n\r\n<p>x</p>");
        QCOMPARE(m_inet1.fetch(m_server.url("/erreur")).body, QByteArray("<p>x</p>"));
        m_server.setRawResponse("/interrompue", "HTTP/1.1 404 Absente\r\nContent-Length: 90\r\n\r\n<p>x</p>", true);
        m_inet1.setDeadline(300ms);
        QVERIFY(m_inet1.fetch(m_server.url("/interrompue")).failure.contains(QStringLiteral("dans le délai de")));
        m_inet1.setDeadline(60s);
    }

    // The network's failures are met through the commands that fetch.
    void addressesOfOtherKindsFailWithoutARequest_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << ""
                               << "Aucune page n'est affichée";
        QTest::newRow("blank") << "about:blank"
                               << "page vide (about:blank)";
        QTest::newRow("file url") << "file:///tmp/page.htm"
                                  << "n'est pas une adresse Internet";
        QTest::newRow("local path") << "/tmp/page.htm"
                                    << "n'est pas une adresse Internet";
        QTest::newRow("no host") << "http:///page"
                                 << "n'est pas une adresse Internet";
    }
    void addressesOfOtherKindsFailWithoutARequest()
    {
        QFETCH(QString, address);
        QFETCH(QString, reason);
        const int before = m_server.requestCount();
        const FetchedPage page = m_inet1.fetch(address);
        QVERIFY2(page.failure.contains(reason), qPrintable(page.failure));
        QCOMPARE(m_server.requestCount(), before);
    }

    void waitingTakesNoUserInput()
    {
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("GO"), &window);
        auto* box = new QLineEdit(&window);
        box->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        box->setFocus();
        int clicks = 0;
        connect(button, &QPushButton::clicked, &window, [&clicks] { ++clicks; });

        bool busyCursor = false;
        m_server.setPage("/lente", "ok");
        m_server.onRequest([&](const QString&) {
            busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClicks(box, QStringLiteral("abc"));
        });
        const FetchedPage page = m_inet1.fetch(m_server.url("/lente"));
        m_server.onRequest(nullptr);
        QCOMPARE(page.body, QByteArray("ok"));
        QVERIFY(busyCursor);

        // Dropped, not kept for later.
        QCoreApplication::processEvents();
        QCOMPARE(clicks, 0);
        QCOMPARE(box->text(), QString());
        QVERIFY(!QApplication::overrideCursor());

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    // A server that trickles holds the fetch until its deadline at most, or
    // until the user gives up.
    void aTricklingPageEndsAtTheDeadlineOrByTheUser()
    {
        m_server.setEndless("/goutte", 1, 50ms);
        m_inet1.setDeadline(400ms);
        FetchedPage page = m_inet1.fetch(m_server.url("/goutte"));
        m_inet1.setDeadline(60s);
        QVERIFY2(page.failure.contains(QStringLiteral("le serveur n'a pas envoyé la page entière")),
                 qPrintable(page.failure));
        QVERIFY(!page.endedByUser);

        // Esc is also the main window's shortcut for "Stopper".
        QWidget window;
        new QShortcut(Qt::Key_Escape, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTimer::singleShot(300ms, &window, [&window] { QTest::keyClick(&window, Qt::Key_Escape); });
        page = m_inet1.fetch(m_server.url("/goutte"));
        QVERIFY(page.endedByUser);
        QVERIFY(page.failure.contains(QStringLiteral("interrompu")));
        QVERIFY(page.body.isEmpty());

        // The window closes once the fetch has returned to its caller.
        QTimer::singleShot(300ms, &window, &QWidget::close);
        page = m_inet1.fetch(m_server.url("/goutte"));
        QVERIFY(page.endedByUser);
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible());
    }

    void anEndlessPageStopsAtTheSizeLimit()
    {
        m_server.setEndless("/sans-fin", 256 * 1024, 0ms);
        QFile peak(QStringLiteral("/proc/self/clear_refs"));
        QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1);  // the peak starts again from now
        peak.close();
        const qint64 before = memoryFigure("VmRSS:");
        const FetchedPage page = m_inet1.fetch(m_server.url("/sans-fin"));
        QVERIFY2(page.failure.startsWith(QStringLiteral("La page dépasse 32 Mo : ")), qPrintable(page.failure));
        QVERIFY(page.body.isEmpty());
        const qint64 held = memoryFigure("VmHWM:") - before;
        QVERIFY2(held < NetworkPageFetcher::sizeLimit + 16 * 1024 * 1024, qPrintable(QString::number(held)));
    }

    void textIsDecodedByTheDeclaredCharset_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        const QString accents = QStringLiteral("é€œ");
        const QByteArray utf8 = accents.toUtf8();
        const QByteArray ansi("\xe9\x80\x9c");
        QTest::newRow("header utf-8") << QByteArray("text/html; charset=utf-8") << utf8 << accents;
        QTest::newRow("header quoted") << QByteArray("text/html;charset=\"UTF-8\"") << utf8 << accents;
        QTest::newRow("header latin-1 read as 1252") << QByteArray("text/html; charset=ISO-8859-1") << ansi << accents;
        QTest::newRow("header beats meta")
            << QByteArray("text/html; charset=windows-1252") << QByteArray("<meta charset=utf-8>") + ansi
            << QStringLiteral("<meta charset=utf-8>") + accents;
        QTest::newRow("meta charset") << QByteArray("text/html")
                                      << QByteArray("<head><META CHARSET=\"utf-8\"></head>") + utf8
                                      << QStringLiteral("<head><META CHARSET=\"utf-8\"></head>") + accents;
        QTest::newRow("meta http-equiv")
            << QByteArray()
            << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">") + utf8
            << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">") + accents;
        QTest::newRow("unknown charset") << QByteArray("text/html; charset=x-nothing") << ansi << accents;
        QTest::newRow("byte-order mark") << QByteArray("text/html") << QByteArray("\xef\xbb\xbf") + utf8 << accents;
        QTest::newRow("nothing declared") << QByteArray("text/html") << ansi << accents;
    }
    void textIsDecodedByTheDeclaredCharset()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QCOMPARE(FetchedPage({body, contentType, {}}).text(), text);
    }
};

QTEST_MAIN(PageFetcherTest)
#include "tst_pagefetcher.moc"
