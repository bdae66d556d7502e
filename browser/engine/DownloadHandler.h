#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWidget;
class SavePathChooser;

// Downloads started from one page (a link to a file the engine does not
// display): asks where to save, tells progress and end in status texts, and
// leaves no partial file behind a cancel or a failure. One question at a
// time: a download asked for while the save dialog is open, or after a
// refusal but before the user's next click or key, is refused.
class DownloadHandler : public QObject {
    Q_OBJECT
public:
    // The page's profile reports downloads of every page; this handler takes
    // those of its page. The save dialog opens over dialogParent.
    DownloadHandler(QWebEnginePage* page, SavePathChooser& chooser, QWidget* dialogParent, QObject* parent = nullptr);

    // Stops every download still running.
    void cancelAll();
    // The user visited an address: the page may ask again.
    void userActed();

signals:
    void statusText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onRequested(QWebEngineDownloadRequest* download);
    void onProgress(QWebEngineDownloadRequest* download);
    // partialFile: the engine's file of the download in progress, when it
    // is not one the user already had.
    void onStateChanged(QWebEngineDownloadRequest* download, const QString& partialFile);

    QWebEnginePage* m_page;
    SavePathChooser& m_chooser;
    QPointer<QWidget> m_dialogParent;
    QList<QPointer<QWebEngineDownloadRequest>> m_running;
    bool m_waitForUser = false;
};
