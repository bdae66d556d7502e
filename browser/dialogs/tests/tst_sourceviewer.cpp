#include "FakeBrowserComponent.h"
#include "LocalHttpServer.h"
#include "NetworkPageFetcher.h"
#include "SourceViewer.h"
#include "TestSupport.h"
#include "WebEngineBrowser.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

class SourceViewerTest : public QObject {
    Q_OBJECT

private:
    LocalHttpServer m_server;
    NetworkPageFetcher m_inet1;
    FakeBrowserComponent m_wb1;

private slots:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }
    void initTestCase() { QVERIFY(m_server.listen()); }

    void showsTheServersTextWrappedInTheBox()
    {
        const QString longLine = QStringLiteral("<p>") + QStringLiteral("mot ").repeated(200) + QStringLiteral("</p>");
        m_server.setPage("/page", ("<title>Été</title>\n" + longLine).toUtf8());
        m_wb1.url = m_server.url("/page");

        SourceViewer viewer(m_wb1, m_inet1);
        // Fetched while the window was built, before it is shown.
        QCOMPARE(m_server.requests(), QStringList{"GET /page"});
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));

        QCOMPARE(viewer.objectName(), QStringLiteral("f_source"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Source de la page html en cours"));
        QCOMPARE(viewer.size(), QSize(431, 410));
        auto* text = child<QPlainTextEdit>(&viewer, "Text1");
        QCOMPARE(text->geometry(), QRect(8, 16, 409, 369));
        QCOMPARE(child<QPushButton>(&viewer, "Command1")->text(), QStringLiteral("Fermer la fenêtre"));
        QCOMPARE(accessibilityFaults(&viewer), QStringList());
        QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(&viewer);
        QCOMPARE(announced->role(), QAccessible::Dialog);
        QCOMPARE(announced->text(QAccessible::Name), viewer.windowTitle());

        QCOMPARE(text->toPlainText(), QStringLiteral("<title>Été</title>\n") + longLine);
        QVERIFY(!text->isReadOnly());
        // The long line is broken at the box's width; nothing scrolls sideways.
        QVERIFY(text->document()->findBlockByNumber(1).layout()->lineCount() > 5);
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);

        viewer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QTRY_VERIFY(text->hasFocus());
        QTest::keyClick(text, Qt::Key_Tab);
        QVERIFY(child<QPushButton>(&viewer, "Command1")->hasFocus());
        QTest::keyClick(child<QPushButton>(&viewer, "Command1"), Qt::Key_Space);
        QVERIFY(!viewer.isVisible());
    }

    void anErrorPageShowsTheBodyTheServerSent()
    {
        // The engine sends a form; the viewer asks for the address it landed on
        // with a plain GET, which this server answers with its 404 page.
        m_server.setPage("/formulaire", "<form id=f method=post action=/reponse><input name=nom value=Anne></form>"
                                        "<script>document.getElementById('f').submit()</script>");
        m_server.setPostAnswer("/reponse", "<title>Merci Anne</title>");
        WebEngineBrowser wb1;
        QWidget window;
        wb1.widget()->setParent(&window);
        window.show();
        wb1.navigate(m_server.url("/formulaire"));
        QTRY_COMPARE_WITH_TIMEOUT(wb1.locationName(), QStringLiteral("Merci Anne"), 20000);

        SourceViewer viewer(wb1, m_inet1);
        QCOMPARE(child<QPlainTextEdit>(&viewer, "Text1")->toPlainText(), QStringLiteral("<title>Absente</title>"));
    }

    void aFailedFetchShowsItsReasonInTheBox()
    {
        m_wb1.url = QStringLiteral("about:blank");
        SourceViewer viewer(m_wb1, m_inet1);
        QVERIFY(child<QPlainTextEdit>(&viewer, "Text1")->toPlainText().contains(QStringLiteral("page vide")));
    }
};

QTEST_MAIN(SourceViewerTest)
#include "tst_sourceviewer.moc"
