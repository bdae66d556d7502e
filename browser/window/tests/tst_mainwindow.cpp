#include "BrowserComponent.h"
#include "EngineModule.h"
#include "FakeBrowserComponent.h"
#include "LateBrowser.h"
#include "LateFetcher.h"
#include "MainWindow.h"
#include "WebAddresses.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"

#include <algorithm>
#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_programDir = std::make_unique<QTemporaryDir>();
        m_currentDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_programDir->isValid() && m_currentDir->isValid());
        QVERIFY(QDir::setCurrent(m_currentDir->path()));
    }
    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void controlsAtTheirPlaces()
    {
        open();
        QCOMPARE(m_window->objectName(), QStringLiteral("f_exe"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Bienvenue sur Tavrello"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(791, 554));

        struct Expected {
            const char* name;
            QString caption;
            QRect twips;
        };
        const QList<Expected> expected{
            {"wb1", {}, {120, 1440, 11655, 6495}},
            {"Combo1", {}, {1320, 960, 2535, 330}},
            {"Command1", "GO", {3960, 960, 495, 315}},
            {"Label1", "URL", {120, 960, 1095, 255}},
            {"wb2", {}, {4560, 0, 7200, 1260}},
            {"Label2", "", {120, 8040, 7335, 255}},
            {"txt_rechercher", "", {0, 120, 1935, 285}},
            {"txt_facile", "", {0, 480, 1935, 285}},
            {"Command2", "Raccourcis", {2160, 480, 2295, 255}},
            {"Command3", "Rechercher sur le Web", {2160, 120, 2295, 255}},
            {"Text1", "", {5640, 1320, 975, 1215}},
            {"Command4", "Actualiser", {10800, 7920, 975, 375}},
            {"Command5", "Stopper", {9840, 7920, 855, 375}},
            {"Command6", "Suivante", {8760, 7920, 975, 375}},
            {"Command7", QStringLiteral("Précedente"), {7440, 7920, 1215, 375}},
            {"Image1", {}, {0, 0, 750, 750}},
        };
        for (const Expected& e : expected) {
            auto* w = m_window->centralWidget()->findChild<QWidget*>(QLatin1String(e.name));
            QVERIFY2(w, e.name);
            const QRect& t = e.twips;
            QCOMPARE(w->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
            if (auto* b = qobject_cast<QPushButton*>(w))
                QCOMPARE(b->text(), e.caption);
            if (auto* l = qobject_cast<QLabel*>(w); l && !e.caption.isNull())
                QCOMPARE(l->text(), e.caption);
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                QCOMPARE(edit->text(), QString());
        }
        for (const QWidget* control : m_window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = control->objectName();
            const bool drawn = std::any_of(expected.begin(), expected.end(),
                                           [&](const Expected& e) { return name == QLatin1String(e.name); });
            QVERIFY2(name.isEmpty() || drawn, qPrintable(name + QStringLiteral(" is not drawn")));
        }
        for (const char* name : {"Command4", "Command5", "Command6", "Command7"}) {
            const QFont f = button(name)->font();
            QVERIFY(f.bold());
            QCOMPARE(f.pointSizeF(), 8.25);
            QCOMPARE(f.family(), QStringLiteral("MS Sans Serif"));
        }
        QVERIFY(!button("Command1")->font().bold());
        QCOMPARE(combo()->insertPolicy(), QComboBox::NoInsert);
    }

    void tabOrderAndAccessibleNames()
    {
        open();
        QWidget* w = m_wb1->widget();
        QStringList order;
        do {
            order.append(w->objectName());
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->objectName().size())
                w = w->nextInFocusChain();
        } while (w != m_wb1->widget() && order.size() < 40);
        const QStringList expected{"wb1",        "Combo1",   "Command1", "wb2",   "txt_rechercher",
                                   "txt_facile", "Command2", "Command3", "Text1", "Command4",
                                   "Command5",   "Command6", "Command7"};
        QCOMPARE(order.mid(0, expected.size()), expected);

        for (const char* name : {"wb1", "wb2", "Combo1", "txt_rechercher", "txt_facile", "Image1"}) {
            auto* c = m_window->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(c && !c->accessibleName().isEmpty(), name);
        }
    }

    void windowKeepsItsSizeUnderAMenuBar()
    {
        open();
        m_window->setMenuBar(new QMenuBar);
        m_window->menuBar()->addMenu(QStringLiteral("&Fichier"));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->centralWidget()->size(), QSize(791, 554));
        QCOMPARE(m_window->centralWidget()->y(), m_window->menuBar()->height());
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    }

    void loadStepReadsFilesInOrder()
    {
        writeBytes(QDir::current().filePath("historique.txt"), "http://a.test/\r\nhttp://b.test/\r\n");
        writeBytes(m_programDir->filePath("home.txt"), "http://home.test/\r\n");
        writeBytes(m_programDir->filePath("erreur404.txt"), "/tmp/erreur.html\r\n");
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_programDir->filePath("skin.png")));
        writeBytes(m_programDir->filePath("skins.txt"), m_programDir->filePath("skin.png").toLocal8Bit() + "\r\n");
        open();

        QCOMPARE(combo()->count(), 2);
        QCOMPARE(combo()->itemText(1), QStringLiteral("http://b.test/"));
        QCOMPARE(combo()->currentText(), QString());
        QCOMPARE(m_variables.url_home, QStringLiteral("http://home.test/"));
        QCOMPARE(m_variables.url_erreur404, QStringLiteral("/tmp/erreur.html"));
        QCOMPARE(m_variables.url_site, QString());
        QCOMPARE(m_window->historySlot(), qint16(0));
        QCOMPARE(m_wb2->navigations, QStringList{web_addresses::bannerPicture()});
        QVERIFY(m_wb1->navigations.isEmpty());

        auto* image = m_window->findChild<QLabel*>("Image1");
        QVERIFY(image->hasScaledContents());
        QCOMPARE(image->pixmap().size(), QSize(400, 300));
        QCOMPARE(image->size(), QSize(50, 50));
        // A picture that cannot be read leaves the one shown.
        QVERIFY(!m_window->showSkin(m_programDir->filePath("missing.png")));
        QCOMPARE(image->pixmap().size(), QSize(400, 300));
        QVERIFY(m_window->showSkin(QString()));
        QVERIFY(image->pixmap().isNull());
    }

    void brokenFilesStillOpenTheWindow()
    {
        QVERIFY(QDir::current().mkdir("historique.txt"));
        QVERIFY(QDir(m_programDir->path()).mkdir("home.txt"));
        writeBytes(m_programDir->filePath("skins.txt"), QByteArray(100000, '\xff') + "\r\n");
        writeBytes(m_programDir->filePath("site.txt"), QByteArray("\0\x01\x02garbage", 10));
        open();
        QCOMPARE(combo()->count(), 0);
        QCOMPARE(m_variables.url_home, QString());
        QCOMPARE(m_variables.url_site.size(), 10);
        QVERIFY(m_window->findChild<QLabel*>("Image1")->pixmap().isNull());
    }

    // A pipe where a file should be would hold start-up until a writer came.
    void pipesAreNotOpenedAtStartUp()
    {
        const WatchedPipe skin(m_programDir->filePath("skin.png"));
        const WatchedPipe home(m_programDir->filePath("home.txt"));
        const WatchedPipe history(QDir::current().filePath("historique.txt"));
        writeBytes(m_programDir->filePath("skins.txt"), m_programDir->filePath("skin.png").toLocal8Bit() + "\r\n");
        writeBytes(m_programDir->filePath("site.txt"), "http://site.test/\r\n");
        open();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(skin.readers() + home.readers() + history.readers(), 0);
        QCOMPARE(m_variables.url_home, QString());
        QCOMPARE(m_variables.url_site, QStringLiteral("http://site.test/"));
        QVERIFY(m_window->findChild<QLabel*>("Image1")->pixmap().isNull());
    }

    void enterInAddressBarVisitsAndRemembers()
    {
        writeBytes(QDir::current().filePath("historique.txt"), "http://a.test/\r\n");
        open();
        QTest::keyClicks(combo(), "http://b.test/");
        QCOMPARE(combo()->count(), 1);  // typing alone changes nothing
        QVERIFY(m_wb1->navigations.isEmpty());
        QTest::keyClick(combo(), Qt::Key_Return);
        QCOMPARE(combo()->count(), 2);
        QCOMPARE(combo()->itemText(1), QStringLiteral("http://b.test/"));
        QCOMPARE(m_window->historySlot(), qint16(1));
        QCOMPARE(m_wb1->navigations, QStringList{"http://b.test/"});
        QCOMPARE(readBytes(QDir::current().filePath("historique.txt")),
                 QByteArray("http://a.test/\r\nhttp://b.test/\r\n"));

        // The history follows the current folder at every visit.
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        combo()->setEditText("c");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(readBytes(elsewhere.filePath("historique.txt")), QByteArray("c\r\n"));
        QCOMPARE(m_wb1->navigations.last(), QStringLiteral("c"));
    }

    void unwritableHistoryIsReportedInTheStatusLine()
    {
        QVERIFY(QDir::current().mkdir("historique.txt"));
        open();
        combo()->setEditText("http://a.test/");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(m_wb1->navigations, QStringList{"http://a.test/"});
        auto* status = m_window->findChild<QLabel*>("Label2");
        QCOMPARE(status->text(), QStringLiteral("Adresse non enregistrée dans historique.txt : "
                                                "un dossier porte déjà ce nom."));
        // Shown once: the page's own status texts follow unchanged.
        m_wb1->showPage("http://a.test/", "A", QStringLiteral("Terminé"));
        QCOMPARE(status->text(), QStringLiteral("Terminé"));
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QVERIFY(status->text().contains("historique.txt"));
    }

    void typedAddressIsVisitedWithoutCompletion()
    {
        writeBytes(QDir::current().filePath("historique.txt"), "http://site.test/abc\r\n");
        open();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        combo()->setFocus();
        QTest::keyClicks(combo(), "http://site.test/a");
        QTest::keyClick(combo(), Qt::Key_Return);
        QCOMPARE(m_wb1->navigations, QStringList{"http://site.test/a"});
        QCOMPARE(combo()->itemText(1), QStringLiteral("http://site.test/a"));
        QCOMPARE(readBytes(QDir::current().filePath("historique.txt")),
                 QByteArray("http://site.test/abc\r\nhttp://site.test/a\r\n"));

        // An entry that differs only by case is not picked instead.
        combo()->clearEditText();
        QTest::keyClicks(combo(), "http://site.test/ABC");
        QTest::keyClick(combo(), Qt::Key_Return);
        QCOMPARE(m_wb1->navigations.last(), QStringLiteral("http://site.test/ABC"));
        QCOMPARE(combo()->itemText(2), QStringLiteral("http://site.test/ABC"));
    }

    void statusLineIsAPlainTextStatusBar()
    {
        open();
        auto* status = m_window->findChild<QLabel*>("Label2");
        emit m_wb1->statusTextChange(QStringLiteral("<b>x</b> &lt; y"));
        QCOMPARE(status->text(), QStringLiteral("<b>x</b> &lt; y"));
        QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(status);
        QCOMPARE(announced->role(), QAccessible::StatusBar);
        // A screen reader hears the text as shown.
        QCOMPARE(announced->text(QAccessible::Name), QStringLiteral("<b>x</b> &lt; y"));
        // Rendered as plain text: as wide as the same characters in a plain label.
        QLabel plain;
        plain.setTextFormat(Qt::PlainText);
        plain.setFont(status->font());
        plain.setText(status->text());
        QCOMPARE(status->sizeHint(), plain.sizeHint());
    }

    void shortcutButtonReadsTheFileAtEachPress()
    {
        open();
        auto* keyword = m_window->findChild<QLineEdit*>("txt_facile");
        keyword->setText("meteo");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);  // no raccourcis.txt yet
        QVERIFY(m_wb1->navigations.isEmpty());
        writeBytes(m_programDir->filePath("raccourcis.txt"), "meteo\r\nhttp://meteo.test/\r\n");
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(m_wb1->navigations, QStringList{"http://meteo.test/"});
    }

    void searchNavigationButtonsAndKeys()
    {
        open();
        m_window->findChild<QLineEdit*>("txt_rechercher")->setText("deux mots");
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(m_wb1->navigations, QStringList{web_addresses::directorySearch("deux mots")});
        for (const char* name : {"Command4", "Command5", "Command6", "Command7"})
            QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(m_wb1->calls, (QStringList{"refresh", "stop", "goForward", "goBack"}));

        // The same steps by key, here from the address bar.
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        combo()->setFocus();
        m_wb1->calls.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(m_wb1->calls, (QStringList{"refresh", "stop", "goForward", "goBack"}));
        QCOMPARE(combo()->currentText(), QString());
    }

    void captionAndStatusFollowThePage()
    {
        open();
        auto* status = m_window->findChild<QLabel*>("Label2");
        m_wb1->name = "Accueil";
        emit m_wb1->titleChange("Accueil");
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Bienvenue sur Tavrello"));  // only status texts move it
        emit m_wb1->statusTextChange(QStringLiteral("Terminé"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tavrello - Accueil"));
        QCOMPARE(status->text(), QStringLiteral("Terminé"));
        m_wb1->name.clear();
        emit m_wb1->statusTextChange("http://lien.test/");
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tavrello - "));
        QCOMPARE(status->text(), QStringLiteral("http://lien.test/"));
    }

    void serverNotFoundPageIsReplaced()
    {
        writeBytes(m_programDir->filePath("erreur404.txt"), "/tmp/erreur.html\r\n");
        open();
        m_wb1->showPage("http://nohost.invalid/", "Impossible de trouver le serveur");
        QCOMPARE(m_wb1->navigations, QStringList{"/tmp/erreur.html"});
        m_wb1->showPage("http://x.invalid/", "impossible de trouver le serveur");
        QCOMPARE(m_wb1->navigations.size(), 1);
        // The replacement page itself cannot be found: it is not asked for again.
        m_wb1->showPage("file:///tmp/erreur.html", "Impossible de trouver le serveur");
        QCOMPARE(m_wb1->navigations.size(), 1);
        m_variables.url_erreur404.clear();
        m_wb1->showPage("http://nohost.invalid/", "Impossible de trouver le serveur");
        QCOMPARE(m_wb1->navigations.size(), 1);
    }

    void bannerFocusOpensTheDirectorySite()
    {
        open();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_wb2->widget()->setFocus(Qt::MouseFocusReason);
        emit m_wb2->gotFocus();
        QCOMPARE(m_wb1->navigations, QStringList{web_addresses::directorySite()});
        QCOMPARE(m_wb2->navigations.size(), 1);  // the banner stays
    }

    void newWindowRequestsOpenInThePageView()
    {
        open();
        emit m_wb1->newWindowRequested(QStringLiteral("http://cible.test/"));
        emit m_wb2->newWindowRequested(QStringLiteral("http://pub.test/"));
        QCOMPARE(m_wb1->navigations, (QStringList{"http://cible.test/", "http://pub.test/"}));
        QCOMPARE(m_wb2->navigations, QStringList{web_addresses::bannerPicture()});
    }

    void missingEngineIsToldInThePageViewsPlace()
    {
        EngineModule engine({m_programDir->filePath("tavrello-engine.so")});
        auto onEngine = [&engine](QString& whyNot) { return engine.makeBrowser(whyNot); };
        auto wb1 = std::make_unique<LateBrowser>(onEngine);
        BrowserComponent& pageView = *wb1;
        m_window = std::make_unique<MainWindow>(ProgramFolder(m_programDir->path()), m_variables, std::move(wb1),
                                                std::make_unique<LateBrowser>(onEngine));
        m_window->show();
        const auto told = [this](const char* place) {
            auto* message = m_window->findChild<QWidget*>(place)->findChild<QLabel*>();
            return message && message->isVisible() && message->text().contains("moteur d'affichage des pages") &&
                   message->text().contains(m_programDir->filePath("tavrello-engine.so"));
        };
        QTRY_VERIFY(told("wb1") && told("wb2"));
        // The rest of the window works: an address is remembered, and the
        // page view loads nothing.
        QSignalSpy finished(&pageView, &BrowserComponent::loadFinished);
        combo()->setEditText("http://b.test/");
        QTest::keyClick(combo(), Qt::Key_Return);
        QCOMPARE(readBytes(QDir::current().filePath("historique.txt")), QByteArray("http://b.test/\r\n"));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(!pageView.goBack());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Bienvenue sur Tavrello"));
        // A page fetched afresh, for its source or to save it, fails with the reason.
        LateFetcher inet1([&engine](QString& whyNot) { return engine.makeFetcher(whyNot); });
        QVERIFY(inet1.fetch("http://b.test/").failure.contains("moteur d'affichage des pages"));
    }

private:
    void open()
    {
        auto wb1 = std::make_unique<FakeBrowserComponent>();
        auto wb2 = std::make_unique<FakeBrowserComponent>();
        m_wb1 = wb1.get();
        m_wb2 = wb2.get();
        m_variables = Variables{};
        m_window = std::make_unique<MainWindow>(ProgramFolder(m_programDir->path()), m_variables, std::move(wb1),
                                                std::move(wb2));
    }
    QComboBox* combo() const { return m_window->findChild<QComboBox*>("Combo1"); }
    QPushButton* button(const char* name) const { return m_window->findChild<QPushButton*>(name); }

    std::unique_ptr<QTemporaryDir> m_programDir;
    std::unique_ptr<QTemporaryDir> m_currentDir;
    Variables m_variables;
    std::unique_ptr<MainWindow> m_window;
    FakeBrowserComponent* m_wb1 = nullptr;
    FakeBrowserComponent* m_wb2 = nullptr;
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
