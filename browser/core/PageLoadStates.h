#pragma once

#include "FailureReasons.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

// What the page view shows and tells while the engine loads: the page asked
// for, a French error page in place of one that could not be loaded, or one in
// place of a page whose renderer process ended abnormally. The engine's
// reports come in through the calls below; what the user sees goes out
// through the signals.
class PageLoadStates : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

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

signals:
    void statusText(const QString& text);
    // The window is to be told the title of the page shown.
    void titleToTell();
    void loadFinished(bool ok);
    void pageCrashed();
    // The page view is to load the HTML of an error page; baseUrl: the failed
    // page's own address where the engine can take it.
    void showHtml(const QString& html, const QUrl& baseUrl);

private:
    enum class Shown { Page, ErrorPageLoading, ErrorPage };

    void showErrorPage(const QString& failedAddress, const QUrl& baseUrl, const QString& html);
    void showCrashPage();

    struct Crash {
        failure_reasons::RendererEnd end;
        QString address;
    };

    Shown m_shown = Shown::Page;
    QString m_failedAddress;
    bool m_loadUnderWay = false;
    std::optional<Crash> m_crash;  // to show once the load under way has ended
};
