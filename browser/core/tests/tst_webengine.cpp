#include "LocalHttpServer.h"
#include "MainWindow.h"
#include "WebAddresses.h"
#include "WebEngineBrowser.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"
#include <QWebEngineView>

#include <memory>

namespace {

constexpr int loadTimeout = 30000;
const QString notFound = QStringLiteral("Impossible de trouver le serveur");

QByteArray page(const char* title)
{
    return QByteArray("<!DOCTYPE html><html><head><title>") + title + "</title></head><body><p>"
        + title + "</p></body></html>";
}

// Receives the addresses that would go to the system's mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

}  // namespace

class WebEngineTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
        m_server.setPage("/", page("Accueil"));
        m_server.setPage("/deux", page("Deux"));
        m_server.setPage("/faux", page("Impossible de trouver le serveur"));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    void unknownServerShowsTheNotFoundPage()
    {
        WebEngineBrowser browser;
        browser.widget()->resize(400, 300);
        QSignalSpy titles(&browser, &BrowserComponent::titleChange);
        QSignalSpy statuses(&browser, &BrowserComponent::statusTextChange);
        browser.navigate("http://nohost.invalid/");
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), notFound, loadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!titles.isEmpty() && titles.last().at(0).toString() == notFound, loadTimeout);
        QCOMPARE(browser.locationUrl(), QStringLiteral("http://nohost.invalid/"));
        QVERIFY(!statuses.isEmpty());

        // A second unknown server: the name does not change, the event still comes.
        titles.clear();
        browser.navigate("http://autre.invalid/");
        QTRY_VERIFY_WITH_TIMEOUT(!titles.isEmpty() && titles.last().at(0).toString() == notFound, loadTimeout);
        QCOMPARE(browser.locationName(), notFound);
        QCOMPARE(browser.locationUrl(), QStringLiteral("http://autre.invalid/"));
    }

    void historyStepsAndLocalFiles()
    {
        WebEngineBrowser browser;
        QVERIFY(!browser.goBack());
        QVERIFY(!browser.goForward());

        const QString file = m_dir->filePath("locale.html");
        writeBytes(file, page("Locale"));
        QSignalSpy loads(&browser, &BrowserComponent::loadFinished);
        browser.navigate(file);
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Locale"), loadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(loads.size() == 1, loadTimeout);
        QVERIFY(loads.at(0).at(0).toBool());
        browser.navigate(m_server.url("/deux"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Deux"), loadTimeout);
        QVERIFY(browser.goBack());
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Locale"), loadTimeout);
        QVERIFY(browser.goForward());
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Deux"), loadTimeout);
        QVERIFY(!browser.goForward());
    }

    void mailAddressesGoToTheMailProgram()
    {
        MailCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        WebEngineBrowser browser;
        browser.navigate("mailto:camille@exemple.test");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl("mailto:camille@exemple.test")});
        QVERIFY(browser.view()->url().isEmpty());
        QDesktopServices::unsetUrlHandler("mailto");
    }

    void clickIntoTheViewGivesFocusOnce()
    {
        QWidget window;
        WebEngineBrowser browser;
        browser.widget()->setParent(&window);
        browser.widget()->setGeometry(0, 0, 300, 200);
        auto* other = new QComboBox(&window);
        other->setGeometry(0, 210, 100, 20);
        window.resize(300, 240);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        browser.navigate(m_server.url("/deux"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Deux"), loadTimeout);

        QSignalSpy focus(&browser, &BrowserComponent::gotFocus);
        QWidget* target = browser.view()->focusProxy() ? browser.view()->focusProxy() : browser.view();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_COMPARE_WITH_TIMEOUT(focus.size(), 1, loadTimeout);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(60, 60));
        QTest::qWait(50);
        QCOMPARE(focus.size(), 1);
    }

    void visitThroughTheAddressBar()
    {
        QTemporaryDir program;
        const QString replacement = program.filePath("remplacement.html");
        writeBytes(replacement, page("Remplacement"));
        writeBytes(program.filePath("erreur404.txt"), replacement.toLocal8Bit() + "\r\n");
        Variables variables;
        auto ownPageView = std::make_unique<WebEngineBrowser>();
        BrowserComponent& pageView = *ownPageView;
        MainWindow window(ProgramFolder(program.path()), variables, std::move(ownPageView),
                          std::make_unique<WebEngineBrowser>());
        // The banner asked for while the window was built loads once it is shown.
        auto* banner = window.findChild<QWebEngineView*>("wb2");
        QTest::qWait(100);
        QVERIFY(banner->url().isEmpty());
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(banner->url().toString(), web_addresses::bannerPicture(), loadTimeout);
        auto* combo = window.findChild<QComboBox*>("Combo1");
        const QString home = m_server.url("/");

        combo->setEditText(home);
        QTest::keyClick(combo, Qt::Key_Return);
        // The engine takes its place in the keyboard order without changing it.
        QTRY_VERIFY_WITH_TIMEOUT(pageView.widget()->focusProxy(), loadTimeout);
        QStringList order;
        for (QWidget* w = pageView.widget(); order.size() < 4; w = w->nextInFocusChain()) {
            if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || w == pageView.widget())
                continue;
            // Inner widgets (the engine's, the address bar's editor) go by their owner's name.
            const QString name = w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName();
            if (order.isEmpty() || order.last() != name)
                order.append(name);
        }
        QCOMPARE(order, (QStringList{"wb1", "Combo1", "Command1", "wb2"}));
        QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), QStringLiteral("Tavrello - Accueil"), loadTimeout);
        QCOMPARE(readBytes(m_dir->filePath("historique.txt")), home.toLatin1() + "\r\n");
        QCOMPARE(combo->itemText(0), home);

        combo->setEditText("http://nohost.invalid/");
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Remplacement"), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), QStringLiteral("Tavrello - Remplacement"), loadTimeout);

        // A page reached normally under the same name is replaced too.
        pageView.navigate(m_server.url("/faux"));
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationUrl(), QUrl::fromLocalFile(replacement).toString(),
                                  loadTimeout);
    }

    void unreachableReplacementIsNotRetried()
    {
        QTemporaryDir program;
        writeBytes(program.filePath("erreur404.txt"), "http://remplacement.invalid/\r\n");
        Variables variables;
        auto ownPageView = std::make_unique<WebEngineBrowser>();
        BrowserComponent& pageView = *ownPageView;
        MainWindow window(ProgramFolder(program.path()), variables, std::move(ownPageView),
                          std::make_unique<WebEngineBrowser>());
        window.show();
        QSignalSpy statuses(&pageView, &BrowserComponent::statusTextChange);
        pageView.navigate("http://nohost.invalid/");
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationUrl(), QStringLiteral("http://remplacement.invalid/"),
                                  loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), notFound, loadTimeout);
        QTest::qWait(1000);
        // Two pages asked for: the one typed and its replacement, nothing more.
        int started = 0;
        for (const QList<QVariant>& status : statuses)
            started += status.at(0).toString() == QStringLiteral("Ouverture de la page...");
        QCOMPARE(started, 2);
        QCOMPARE(pageView.locationUrl(), QStringLiteral("http://remplacement.invalid/"));
    }

private:
    LocalHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(WebEngineTest)
#include "tst_webengine.moc"
