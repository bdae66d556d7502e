#include "PageLoadStates.h"

#include <QStringList>
#include <QTest>

namespace {

// Records what the states ask of the page view, one line a call.
class RecordingOutput : public PageLoadStates::Output {
public:
    QStringList calls;
    QString lastHtml;

    void tellStatus(const QString& text) override { calls << "status " + text; }
    void tellTitle() override { calls << "title"; }
    void tellLoadFinished(bool ok) override { calls << (ok ? "finished ok" : "finished failed"); }
    void tellPageCrashed() override { calls << "crashed"; }
    void showHtml(const QString& html, const QUrl& baseUrl) override
    {
        lastHtml = html;
        calls << "html " + baseUrl.toString();
    }
};

}  // namespace

class PageLoadStatesTest : public QObject {
    Q_OBJECT
private slots:
    void pageLoadTellsOpeningAndItsEnd()
    {
        RecordingOutput output;
        PageLoadStates states(output);
        states.loadAsked();
        states.started();
        states.titleChanged();
        states.finished(true);
        // A failure waits for the engine's word on what ended it.
        states.started();
        states.finished(false);
        states.otherFailure();
        states.started();
        states.stopped();
        QCOMPARE(output.calls,
                 (QStringList{"status Ouverture de la page...", "title", "status Terminé", "finished ok",
                              "status Ouverture de la page...", "finished failed", "status Erreur de chargement",
                              "status Ouverture de la page...", "status Terminé"}));
        QVERIFY(!states.failedAddress());
    }

    void errorPageStandsForTheFailedAddressUntilTheNextLoad()
    {
        RecordingOutput output;
        PageLoadStates states(output);
        const QUrl url("http://absent.test/page");
        states.loadAsked();
        states.started();
        states.finished(false);
        states.connectionFailed(url, true, -105, QString());
        QCOMPARE(output.calls.mid(1), (QStringList{"finished failed", "html http://absent.test/page"}));
        QVERIFY(output.lastHtml.contains("Impossible de trouver le serveur"));
        QCOMPARE(states.failedAddress(), url.toString());
        output.calls.clear();
        // The error page's own load: its reports and title are held back until
        // it is shown, then told as a failed load.
        states.started();
        states.titleChanged();
        states.connectionFailed(url, false, -2, QString());
        states.finished(true);
        QCOMPARE(output.calls, (QStringList{"status Terminé", "title", "finished failed"}));
        QCOMPARE(states.failedAddress(), url.toString());

        // Asking for another page keeps the error page until that page starts.
        states.loadAsked();
        QCOMPARE(states.failedAddress(), url.toString());
        states.started();
        QVERIFY(!states.failedAddress());
    }

    void crashedRendererShowsItsPageOnceTheLoadUnderWayHasEnded()
    {
        RecordingOutput output;
        PageLoadStates states(output);
        states.started();
        states.rendererEnded(failure_reasons::RendererEnd::Crashed, "http://a.test/");
        QVERIFY(output.calls.endsWith("status Ouverture de la page..."));
        states.finished(false);
        QCOMPARE(output.calls.mid(1), (QStringList{"html ", "crashed"}));
        QCOMPARE(states.failedAddress(), QStringLiteral("http://a.test/"));
        QVERIFY(output.lastHtml.contains("http://a.test/"));

        // A renderer that ends under an error page names the address that failed.
        states.finished(true);
        states.notAnAddress("deux mots");
        states.finished(true);
        output.calls.clear();
        states.rendererEnded(failure_reasons::RendererEnd::Killed, "about:blank");
        QCOMPARE(output.calls, (QStringList{"html ", "crashed"}));
        QCOMPARE(states.failedAddress(), QStringLiteral("deux mots"));
    }
};

QTEST_GUILESS_MAIN(PageLoadStatesTest)
#include "tst_pageloadstates.moc"
