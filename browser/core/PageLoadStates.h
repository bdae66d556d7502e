#pragma once

#include "FailureReasons.h"

#include <QString>
#include <QUrl>

#include <optional>

// What the page view shows and tells while the engine loads: the page asked
// for, a French error page in place of one that could not be loaded, or one in
// place of a page whose renderer process ended abnormally. The engine's
// reports come in through the calls below; what the user sees goes out
// through the output.
class PageLoadStates {
public:
    // What the states make the page view do.
    class Output {
    public:
        virtual ~Output() = default;
        virtual void tellStatus(const QString& text) = 0;
        // Tells the window the title of the page shown.
        virtual void tellTitle() = 0;
        virtual void tellLoadFinished(bool ok) = 0;
        virtual void tellPageCrashed() = 0;
        // Loads the HTML of an error page; baseUrl: the failed page's own
        // address where the engine can take it.
        virtual void showHtml(const QString& html, const QUrl& baseUrl) = 0;
    };

    explicit PageLoadStates(Output& output);

    // The page view asks the engine for an address.
    void loadAsked();
    // Typed words that make no address, for which the engine would show a
    // blank page without a word.
    void notAnAddress(const QString& text);

    // The engine's reports. A load ends with what ended it (stopped, one of
    // the failures), if anything, then finished.
    void started();
    void finished(bool ok);
    void stopped();  // by the user, or by a download taking the place of the page
    void connectionFailed(const QUrl& url, bool serverNotFound, int errorCode, const QString& engineText);
    void otherFailure();
    void titleChanged();
    // pageAddress: the engine's own address of the page shown.
    void rendererEnded(failure_reasons::RendererEnd end, const QString& pageAddress);

    // The address that the error page shown stands for: the page's location,
    // and what refresh tries again. None while no error page is shown.
    std::optional<QString> failedAddress() const;

private:
    enum class Shown { Page, ErrorPageLoading, ErrorPage };

    void showErrorPage(const QString& failedAddress, const QUrl& baseUrl, const QString& html);
    void showCrashPage();

    struct Crash {
        failure_reasons::RendererEnd end;
        QString address;
    };

    Output& m_output;
    Shown m_shown = Shown::Page;
    QString m_failedAddress;
    bool m_loadUnderWay = false;
    std::optional<Crash> m_crash;  // to show once the load under way has ended
};
