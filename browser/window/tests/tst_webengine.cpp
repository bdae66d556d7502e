#include "LateBrowser.h"
#include "LocalHttpServer.h"
#include "MainWindow.h"
#include "SavePathChooser.h"
#include "WebAddresses.h"
#include "WebEngineBrowser.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMenu>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "TestFiles.h"
#include <QWebEngineView>

#include <algorithm>
#include <memory>

#include <signal.h>

namespace {

constexpr int loadTimeout = 30000;
const QString notFound = QStringLiteral("Impossible de trouver le serveur");

QByteArray page(const char* title)
{
    return QByteArray("<!DOCTYPE html><html><head><title>") + title + "</title></head><body><p>" + title +
           "</p></body></html>";
}

QByteArray download(const QByteArray& body, qint64 announcedLength)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
           "Content-Disposition: attachment; filename=\"rapport.pdf\"\r\nContent-Length: " +
           QByteArray::number(announcedLength) + "\r\nConnection: close\r\n\r\n" + body;
}

// Answers the save dialog as a user would; records what it proposed.
class FakeSavePathChooser : public SavePathChooser {
public:
    QString choose(QWidget*, const QString& suggestedPath) override
    {
        suggested.append(suggestedPath);
        return answer;
    }
    QString answer;
    QStringList suggested;
};

QStringList texts(const QSignalSpy& spy)
{
    QStringList all;
    for (const QList<QVariant>& args : spy)
        all.append(args.at(0).toString());
    return all;
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
        m_server.setPage("/liens", "<html><head><title>Liens</title></head><body style=\"margin:0\">"
                                   "<a id=\"lien\" href=\"/deux\" target=\"_blank\" "
                                   "style=\"display:block;width:300px;height:100px\">Deux</a></body></html>");
        // Tells in its title the last click, focus or loss of focus it has seen.
        m_server.setPage("/compte", "<title>Compte</title><body style=\"height:300px\"><script>"
                                    "onmousedown = e => document.title = 'clic ' + e.clientX + ',' + e.clientY;"
                                    "onfocus = () => document.title = 'focus';"
                                    "onblur = () => document.title = 'sans focus';</script></body>");
        m_server.setRawResponse("/rapport", download(QByteArray(300000, 'r'), 300000));
        m_server.setRawResponse("/coupe", download(QByteArray(1000, 'c'), 300000));
        m_server.setRawResponse("/lent", download(QByteArray(1000, 'l'), 300000), true);
        // Mail by script, and as links of the page and of a sub-frame.
        m_server.setPage("/courrier",
                         "<title>Courrier</title><body style=\"margin:0\">"
                         "<iframe style=\"border:0;display:block;height:100px\" srcdoc=\"<body style=margin:0>"
                         "<a href=mailto:cadre@exemple.test style=display:block;height:100px>cadre</a>\"></iframe>"
                         "<a href=\"mailto:clic@exemple.test\" style=\"display:block;height:100px\">écrire</a>"
                         "<script>setTimeout(() => location = 'mailto:script@exemple.test', 200);</script></body>");
        m_server.setPage("/trois", "<body><script>for (const n of [1, 2, 3]) {"
                                   "const a = document.createElement('a'); a.href = '/rapport';"
                                   "a.download = ''; document.body.append(a); a.click(); }</script></body>");
        m_server.setRawResponse("/lente",
                                "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<title>Lente</title><p>Début", true);
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

    void loadFailuresAreToldInFrench()
    {
        WebEngineBrowser browser;
        browser.widget()->resize(400, 300);
        browser.navigate(m_server.refusingUrl());
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Impossible d'afficher la page"), loadTimeout);
        QString text;
        browser.view()->page()->toPlainText([&text](const QString& shown) { text = shown; });
        QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), loadTimeout);
        QVERIFY2(text.contains(QStringLiteral("La page n'a pas pu être chargée : le serveur a refusé la connexion.")),
                 qPrintable(text));
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

        // From the page, only a link the user clicks.
        catcher.urls.clear();
        browser.widget()->resize(400, 300);
        browser.widget()->show();
        browser.navigate(m_server.url("/courrier"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Courrier"), loadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(browser.view()->focusProxy(), loadTimeout);
        QWidget* view = browser.view()->focusProxy();
        const QUrl clicked("mailto:clic@exemple.test");
        QVERIFY(untilAnswered([&] { QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 150)); },
                              [&] { return !catcher.urls.isEmpty(); }));
        // The frame's link first: the page's own link, clicked after it, comes after it.
        const qsizetype before = catcher.urls.size();
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 50));
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 150));
        QTRY_VERIFY_WITH_TIMEOUT(catcher.urls.size() > before, loadTimeout);
        QCOMPARE(catcher.urls.count(clicked), catcher.urls.size());
        QDesktopServices::unsetUrlHandler("mailto");
    }

    void onlyAClickOrAKeyboardMoveIntoTheViewGivesFocus()
    {
        // The view in a window above another control that holds the focus.
        QWidget window;
        WebEngineBrowser browser;
        auto* other = new QLineEdit(&window);
        browser.widget()->setParent(&window);
        browser.widget()->setGeometry(0, 0, 300, 200);
        other->setGeometry(0, 210, 100, 20);
        window.resize(300, 240);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        browser.navigate(m_server.url("/compte"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Compte"), loadTimeout);

        QSignalSpy focus(&browser, &BrowserComponent::gotFocus);
        QWidget* target = browser.view()->focusProxy() ? browser.view()->focusProxy() : browser.view();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_COMPARE_WITH_TIMEOUT(focus.size(), 1, loadTimeout);
        // A second click: once the page has seen it, the engine has handled it.
        QVERIFY(untilAnswered([&] { QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(60, 60)); },
                              [&] { return browser.locationName() == QStringLiteral("clic 60,60"); }));
        QCOMPARE(focus.size(), 1);

        // Another window, then back: the focus returns to the view by itself.
        QWidget about;
        about.resize(100, 100);
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("sans focus"), loadTimeout);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY(target->hasFocus());
        // Once the page has seen the focus come back, the engine has handled it.
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("focus"), loadTimeout);
        QCOMPARE(focus.size(), 1);

        // A keyboard move into the view counts.
        other->setFocus(Qt::TabFocusReason);
        browser.widget()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE_WITH_TIMEOUT(focus.size(), 2, loadTimeout);
    }

    void newWindowRequestsAreHandedOn()
    {
        WebEngineBrowser browser;
        browser.widget()->resize(400, 300);
        browser.widget()->show();
        browser.navigate(m_server.url("/liens"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Liens"), loadTimeout);
        QSignalSpy asked(&browser, &BrowserComponent::newWindowRequested);
        browser.view()->page()->runJavaScript(QStringLiteral("document.getElementById('lien').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, loadTimeout);
        QCOMPARE(asked.at(0).at(0).toString(), m_server.url("/deux"));
        browser.view()->page()->runJavaScript(QStringLiteral("window.open('/faux')"));
        QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 2, loadTimeout);
        QCOMPARE(asked.at(1).at(0).toString(), m_server.url("/faux"));
        // The component itself stays where it was.
        QCOMPARE(browser.locationName(), QStringLiteral("Liens"));
    }

    void newWindowLinkOpensInThePageView()
    {
        QTemporaryDir program;
        Variables variables;
        auto ownPageView = std::make_unique<WebEngineBrowser>();
        BrowserComponent& pageView = *ownPageView;
        MainWindow window(ProgramFolder(program.path()), variables, std::move(ownPageView),
                          std::make_unique<WebEngineBrowser>());
        window.show();
        pageView.navigate(m_server.url("/liens"));
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Liens"), loadTimeout);
        window.findChild<QWebEngineView*>("wb1")->page()->runJavaScript(
            QStringLiteral("document.getElementById('lien').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Deux"), loadTimeout);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
    }

    void downloadsAskWhereAndLeaveNoPartialFile()
    {
        auto chooser = std::make_unique<FakeSavePathChooser>();
        FakeSavePathChooser& dialog = *chooser;
        WebEngineBrowser browser(std::move(chooser));
        browser.widget()->resize(400, 300);
        browser.widget()->show();
        browser.navigate(m_server.url("/deux"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Deux"), loadTimeout);
        QSignalSpy statuses(&browser, &BrowserComponent::statusTextChange);
        QTemporaryDir target;
        const QString chosen = target.filePath("choisi.pdf");

        // Saved where the user chose, under the server's name by default.
        dialog.answer = chosen;
        browser.navigate(m_server.url("/rapport"));
        QTRY_VERIFY_WITH_TIMEOUT(
            texts(statuses).contains(
                QStringLiteral("Téléchargement terminé : « %1 »").arg(QDir::toNativeSeparators(chosen))),
            loadTimeout);
        QCOMPARE(QFileInfo(dialog.suggested.value(0)).fileName(), QStringLiteral("rapport.pdf"));
        QCOMPARE(readBytes(chosen), QByteArray(300000, 'r'));
        QVERIFY(texts(statuses).filter(QStringLiteral("Téléchargement de « choisi.pdf » : ")).size() >= 1);
        QVERIFY(!texts(statuses).contains(QStringLiteral("Erreur de chargement")));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"choisi.pdf"});
        QVERIFY(QFile::remove(chosen));

        // Cancelled in the save dialog.
        statuses.clear();
        dialog.answer.clear();
        browser.navigate(m_server.url("/rapport"));
        QTRY_VERIFY_WITH_TIMEOUT(texts(statuses).contains(QStringLiteral("Téléchargement annulé.")), loadTimeout);

        // The server stops half-way.
        statuses.clear();
        dialog.answer = chosen;
        browser.navigate(m_server.url("/coupe"));
        QTRY_VERIFY_WITH_TIMEOUT(
            !texts(statuses).filter(QStringLiteral("Échec du téléchargement de « choisi.pdf » : ")).isEmpty(),
            loadTimeout);

        QTRY_COMPARE_WITH_TIMEOUT(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList(),
                                  loadTimeout);

        // Stopped by the user while it runs.
        statuses.clear();
        browser.navigate(m_server.url("/lent"));
        QTRY_VERIFY_WITH_TIMEOUT(
            !texts(statuses).filter(QStringLiteral("Téléchargement de « choisi.pdf » : ")).isEmpty(), loadTimeout);
        browser.stop();
        QTRY_VERIFY_WITH_TIMEOUT(texts(statuses).contains(QStringLiteral("Téléchargement de « choisi.pdf » annulé.")),
                                 loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList(),
                                  loadTimeout);
        QCOMPARE(browser.locationName(), QStringLiteral("Deux"));

        // A page asking for three at once: one question; refused, it ends them all.
        statuses.clear();
        dialog.suggested.clear();
        dialog.answer.clear();
        browser.navigate(m_server.url("/trois"));
        QTRY_COMPARE_WITH_TIMEOUT(texts(statuses).filter(QStringLiteral(" refusé : ")).size(), 2, loadTimeout);
        QCOMPARE(dialog.suggested.size(), 1);
        QCOMPARE(QDir(QFileInfo(dialog.suggested.first()).path()).entryList({"rapport*"}, QDir::Files), QStringList());
    }

    void stoppingIsNoLoadError()
    {
        WebEngineBrowser browser;
        browser.widget()->resize(400, 300);
        browser.widget()->show();
        QSignalSpy statuses(&browser, &BrowserComponent::statusTextChange);
        browser.navigate(m_server.url("/lente"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Lente"), loadTimeout);
        browser.stop();
        QTRY_COMPARE_WITH_TIMEOUT(texts(statuses), (QStringList{"Ouverture de la page...", "Terminé"}), loadTimeout);
    }

    void killedRendererIsToldAndOvercome()
    {
        QTemporaryDir program;
        Variables variables;
        auto ownPageView = std::make_unique<WebEngineBrowser>();
        auto ownBanner = std::make_unique<WebEngineBrowser>();
        WebEngineBrowser& pageView = *ownPageView;
        WebEngineBrowser& banner = *ownBanner;
        MainWindow window(ProgramFolder(program.path()), variables, std::move(ownPageView), std::move(ownBanner));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // A page still loading, whose load the crash ends too.
        pageView.navigate(m_server.url("/lente"));
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Lente"), loadTimeout);
        // The banner's server is out of reach here: its page is the not-found one.
        QTRY_COMPARE_WITH_TIMEOUT(banner.locationName(), notFound, loadTimeout);
        QSignalSpy bannerTitles(&banner, &BrowserComponent::titleChange);
        // Only the names after the banner's crash count.
        connect(&banner, &BrowserComponent::pageCrashed, &bannerTitles, [&bannerTitles] { bannerTitles.clear(); });
        const qint64 pagePid = pageView.view()->page()->renderProcessPid();
        const qint64 bannerPid = banner.view()->page()->renderProcessPid();

        // As the out-of-memory killer would.
        QCOMPARE(::kill(pid_t(pagePid), SIGKILL), 0);
        QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), QStringLiteral("Tavrello - La page s'est arrêtée"),
                                  loadTimeout);
        QCOMPARE(pageView.locationUrl(), m_server.url("/lente"));
        QString text;
        pageView.view()->page()->toPlainText([&text](const QString& shown) { text = shown; });
        QTRY_VERIFY_WITH_TIMEOUT(text.contains(QStringLiteral("Cliquez sur « Actualiser » pour la recharger.")),
                                 loadTimeout);

        // F5 from inside the page view reloads the page.
        QTRY_VERIFY_WITH_TIMEOUT(pageView.view()->focusProxy(), loadTimeout);
        pageView.view()->focusProxy()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Lente"), loadTimeout);
        auto* combo = window.findChild<QComboBox*>("Combo1");
        combo->setEditText(m_server.url("/deux"));
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Deux"), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLabel*>("Label2")->text(), QStringLiteral("Terminé"), loadTimeout);

        // The banner strip shows its page again by itself.
        if (bannerPid != pagePid)
            QCOMPARE(::kill(pid_t(bannerPid), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(texts(bannerTitles).contains(notFound), loadTimeout);
        QCOMPARE(banner.locationName(), notFound);
        QCOMPARE(banner.locationUrl(), web_addresses::bannerPicture());
    }

    void rightClickMenuIsFrenchAndWorks()
    {
        QWidget window;
        WebEngineBrowser browser;
        browser.widget()->setParent(&window);
        browser.widget()->setGeometry(0, 0, 400, 300);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        browser.navigate(m_server.url("/liens"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Liens"), loadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(browser.view()->focusProxy(), loadTimeout);
        QSignalSpy asked(&browser, &BrowserComponent::newWindowRequested);

        auto openMenu = [&](QPoint at) -> QMenu* {
            auto popup = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
            untilAnswered([&] { QTest::mouseClick(browser.view()->focusProxy(), Qt::RightButton, {}, at); }, popup);
            return popup();
        };
        auto entries = [](QMenu* menu) {
            QStringList all;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator())
                    all.append(action->text() + (action->isEnabled() ? "" : " (inactif)"));
            }
            return all;
        };
        auto choose = [](QMenu* menu, const QString& text) {
            for (QAction* action : menu->actions()) {
                if (action->text() == text)
                    action->trigger();
            }
            menu->close();
        };

        const QStringList tools{"Rechercher dans la page…", "Zoom avant", "Zoom arrière",
                                "Taille normale (inactif)", "Imprimer…",  "Enregistrer en PDF…"};
        QMenu* onLink = openMenu(QPoint(20, 20));
        QVERIFY(onLink);
        QCOMPARE(entries(onLink), QStringList({"Ouvrir le lien", "Copier l'adresse du lien", "Tout sélectionner",
                                               "Page précédente (inactif)", "Page suivante (inactif)", "Actualiser"}) +
                                      tools);
        choose(onLink, "Copier l'adresse du lien");
        QCOMPARE(QGuiApplication::clipboard()->text(), m_server.url("/deux"));
        QMenu* again = openMenu(QPoint(20, 20));
        QVERIFY(again);
        choose(again, "Ouvrir le lien");
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), m_server.url("/deux"));

        browser.navigate(m_server.url("/deux"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Deux"), loadTimeout);
        QMenu* onPage = openMenu(QPoint(350, 250));
        QVERIFY(onPage);
        QCOMPARE(
            entries(onPage),
            QStringList({"Tout sélectionner", "Page précédente", "Page suivante (inactif)", "Actualiser"}) + tools);
        choose(onPage, "Zoom avant");
        QCOMPARE(browser.zoomFactor(), 1.1);
        QSignalSpy findAsked(&browser, &BrowserComponent::findRequested);
        QMenu* zoomed = openMenu(QPoint(350, 250));
        QVERIFY(zoomed);
        QVERIFY(entries(zoomed).contains("Taille normale"));
        choose(zoomed, "Rechercher dans la page…");
        QCOMPARE(findAsked.size(), 1);
        onPage = openMenu(QPoint(350, 250));
        QVERIFY(onPage);
        choose(onPage, "Page précédente");
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Liens"), loadTimeout);
    }

    void findZoomAndPdf()
    {
        auto ownChooser = std::make_unique<FakeSavePathChooser>();
        FakeSavePathChooser& chooser = *ownChooser;
        WebEngineBrowser browser(std::move(ownChooser));
        browser.widget()->resize(400, 300);
        browser.widget()->show();
        QVERIFY(QTest::qWaitForWindowExposed(browser.widget()));
        m_server.setPage("/mots", "<title>Mots</title><p>Un mot, puis un Mot, puis motte.</p>");
        browser.navigate(m_server.url("/mots"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Mots"), loadTimeout);

        QSignalSpy found(&browser, &BrowserComponent::findTextFinished);
        auto lastFound = [&found] { return std::pair(found.last().at(0).toInt(), found.last().at(1).toInt()); };
        // The title comes before the text is laid out, where nothing is found yet.
        untilAnswered([&] { browser.findText("mot", false, false); },
                      [&] { return !found.isEmpty() && lastFound() != std::pair(0, 0); });
        QCOMPARE(lastFound().second, 3);
        // Matching case is a new search, though the text is the same.
        found.clear();
        browser.findText("mot", true, false);
        QTRY_VERIFY_WITH_TIMEOUT(!found.isEmpty(), loadTimeout);
        QCOMPARE(found.size(), 1);
        const int active = lastFound().first;
        QCOMPARE(lastFound().second, 2);
        browser.findText("mot", true, true);
        QTRY_VERIFY_WITH_TIMEOUT(found.size() == 2, loadTimeout);
        QCOMPARE(lastFound(), std::pair(3 - active, 2));
        found.clear();
        browser.findText("absent", false, false);
        QTRY_VERIFY_WITH_TIMEOUT(!found.isEmpty(), loadTimeout);
        QCOMPARE(lastFound(), std::pair(0, 0));

        // Ctrl and the wheel step the zoom; the zoom stays for the next page.
        QTRY_VERIFY_WITH_TIMEOUT(browser.view()->focusProxy(), loadTimeout);
        QWheelEvent wheel(QPointF(50, 50), browser.view()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(browser.view()->focusProxy(), &wheel);
        QCOMPARE(browser.zoomFactor(), 1.1);
        browser.setZoomFactor(2.0);
        browser.navigate(m_server.url("/deux"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.locationName(), QStringLiteral("Deux"), loadTimeout);
        QCOMPARE(browser.view()->zoomFactor(), 2.0);

        chooser.answer = m_dir->filePath("deux.pdf");
        QSignalSpy statuses(&browser, &BrowserComponent::statusTextChange);
        browser.saveAsPdf();
        QCOMPARE(chooser.suggested.size(), 1);
        QVERIFY(chooser.suggested.at(0).endsWith("/Deux.pdf"));
        QTRY_VERIFY_WITH_TIMEOUT(texts(statuses).join("").contains("PDF"), loadTimeout);
        QVERIFY(readBytes(chooser.answer).startsWith("%PDF"));

        // A folder standing where the file should go.
        QVERIFY(QDir(m_dir->path()).mkdir("dossier.pdf"));
        chooser.answer = m_dir->filePath("dossier.pdf");
        statuses.clear();
        browser.saveAsPdf();
        QTRY_VERIFY_WITH_TIMEOUT(!statuses.isEmpty(), loadTimeout);
        QVERIFY2(statuses.last().at(0).toString().startsWith("Impossible d'enregistrer la page en PDF"),
                 qPrintable(statuses.last().at(0).toString()));
    }

    void visitThroughTheAddressBar()
    {
        QTemporaryDir program;
        const QString replacement = program.filePath("remplacement.html");
        writeBytes(replacement, page("Remplacement"));
        writeBytes(program.filePath("erreur404.txt"), replacement.toLocal8Bit() + "\r\n");
        Variables variables;
        // As the program makes them: the engine's views come once the window
        // is on the screen (nothing but its painting brings them); then the
        // banner asked for while the window was built loads, and an address
        // visited before that is not lost.
        auto onEngine = [](QString&) -> std::unique_ptr<BrowserComponent> {
            return std::make_unique<WebEngineBrowser>();
        };
        auto ownPageView = std::make_unique<LateBrowser>(onEngine);
        BrowserComponent& pageView = *ownPageView;
        MainWindow window(ProgramFolder(program.path()), variables, std::move(ownPageView),
                          std::make_unique<LateBrowser>(onEngine));
        QCoreApplication::processEvents();
        QVERIFY(!window.findChild<QWebEngineView*>());
        window.show();
        auto* combo = window.findChild<QComboBox*>("Combo1");
        const QString home = m_server.url("/");
        combo->setEditText(home);
        QTest::keyClick(combo, Qt::Key_Return);
        QVERIFY(!window.findChild<QWebEngineView*>());
        QTRY_VERIFY_WITH_TIMEOUT(window.findChild<QWebEngineView*>("wb2"), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QWebEngineView*>("wb2")->url().toString(),
                                  web_addresses::bannerPicture(), loadTimeout);
        // The engine's widgets take their place in the keyboard order without
        // changing it, as soon as the window has put them there.
        auto order = [&pageView] {
            QStringList names;
            for (QWidget* w = pageView.widget(); names.size() < 4; w = w->nextInFocusChain()) {
                if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || w == pageView.widget())
                    continue;
                // Inner widgets (the engine's, the address bar's editor) go by their owner's name.
                const QString name = w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName();
                if (names.isEmpty() || names.last() != name)
                    names.append(name);
            }
            return names;
        };
        QTRY_VERIFY_WITH_TIMEOUT(window.findChild<QWebEngineView*>("wb1")->focusProxy(), loadTimeout);
        QTRY_COMPARE(order(), (QStringList{"wb1", "Combo1", "Command1", "wb2"}));
        QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), QStringLiteral("Tavrello - Accueil"), loadTimeout);
        QCOMPARE(readBytes(m_dir->filePath("historique.txt")), home.toLatin1() + "\r\n");
        QCOMPARE(combo->itemText(0), home);

        combo->setEditText("http://nohost.invalid/");
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Remplacement"), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), QStringLiteral("Tavrello - Remplacement"), loadTimeout);

        // A page reached normally under the same name is replaced too.
        pageView.navigate(m_server.url("/faux"));
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationUrl(), QUrl::fromLocalFile(replacement).toString(), loadTimeout);

        // So are typed words that make no address, kept in the history as typed.
        pageView.navigate(m_server.url("/deux"));
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Deux"), loadTimeout);
        combo->setEditText("bonjour le monde");
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(pageView.locationName(), QStringLiteral("Remplacement"), loadTimeout);
        QCOMPARE(readBytes(m_dir->filePath("historique.txt")),
                 home.toLatin1() + "\r\nhttp://nohost.invalid/\r\nbonjour le monde\r\n");
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
        auto told = [&](const QString& status) { return texts(statuses).count(status); };
        // The typed page's error page is told, then the replacement's: a retry
        // would start as the second is told. Two pages asked for, no third.
        QTRY_VERIFY_WITH_TIMEOUT(told(QStringLiteral("Terminé")) >= 2, loadTimeout);
        QVERIFY(!QTest::qWaitFor([&] { return told(QStringLiteral("Ouverture de la page...")) > 2; }, 1000));
        QCOMPARE(told(QStringLiteral("Ouverture de la page...")), 2);
        QCOMPARE(pageView.locationUrl(), QStringLiteral("http://remplacement.invalid/"));
    }

private:
    // The engine drops clicks that come before its first frame: acts again
    // until the page answers.
    static bool untilAnswered(const std::function<void()>& act, const std::function<bool()>& answered)
    {
        QDeadlineTimer deadline(loadTimeout);
        while (!answered() && !deadline.hasExpired()) {
            act();
            (void)QTest::qWaitFor(answered, 1000);
        }
        return answered();
    }

    LocalHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(WebEngineTest)
#include "tst_webengine.moc"
