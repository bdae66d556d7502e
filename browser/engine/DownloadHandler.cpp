#include "DownloadHandler.h"

#include "FailureReasons.h"
#include "FrenchQuotes.h"
#include "SavePathChooser.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWidget>

namespace {

// For the whole program: both page views ask through the same screen.
bool questionOnScreen = false;

QString targetPath(const QWebEngineDownloadRequest* download)
{
    return QDir(download->downloadDirectory()).filePath(download->downloadFileName());
}

QString failureReason(const QWebEngineDownloadRequest* download)
{
    using R = QWebEngineDownloadRequest;
    using failure_reasons::DownloadStop;
    switch (download->interruptReason()) {
    case R::FileAccessDenied: return failure_reasons::ofDownload(DownloadStop::FileAccess);
    case R::FileNoSpace: return failure_reasons::ofDownload(DownloadStop::DiskFull);
    case R::FileNameTooLong: return failure_reasons::ofDownload(DownloadStop::NameTooLong);
    case R::FileTooLarge: return failure_reasons::ofDownload(DownloadStop::FileTooLarge);
    case R::FileFailed:
    case R::FileTransientError: return failure_reasons::ofDownload(DownloadStop::FileNotWritten);
    case R::NetworkFailed:
    case R::NetworkDisconnected:
    case R::FileTooShort: return failure_reasons::ofDownload(DownloadStop::ConnectionCut);
    case R::NetworkTimeout: return failure_reasons::ofDownload(DownloadStop::ServerSilent);
    case R::NetworkServerDown:
    case R::ServerUnreachable: return failure_reasons::ofDownload(DownloadStop::ServerUnreachable);
    case R::ServerForbidden:
    case R::ServerUnauthorized: return failure_reasons::ofDownload(DownloadStop::ServerForbids);
    case R::ServerBadContent: return failure_reasons::ofDownload(DownloadStop::NotOnServer);
    default: return failure_reasons::ofDownload(DownloadStop::Other);
    }
}

}  // namespace

DownloadHandler::DownloadHandler(QWebEnginePage* page, SavePathChooser& chooser, QWidget* dialogParent, QObject* parent)
    : QObject(parent)
    , m_page(page)
    , m_chooser(chooser)
    , m_dialogParent(dialogParent)
{
    connect(page->profile(), &QWebEngineProfile::downloadRequested, this, &DownloadHandler::onRequested);
    qApp->installEventFilter(this);
}

void DownloadHandler::cancelAll()
{
    for (const QPointer<QWebEngineDownloadRequest>& download : std::as_const(m_running)) {
        if (download)
            download->cancel();
    }
}

void DownloadHandler::userActed()
{
    if (!questionOnScreen)
        m_waitForUser = false;
}

bool DownloadHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
        userActed();
    return QObject::eventFilter(watched, event);
}

void DownloadHandler::onRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_page || download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    // A page asking again and again would put the save dialog on screen
    // without end, or one inside another: once the user has said no, the next
    // question waits for their own click or key.
    if (questionOnScreen || m_waitForUser) {
        download->cancel();
        emit statusText(QStringLiteral("Téléchargement de %1 refusé : vous venez d'en refuser un, "
                                       "et la page en demande un autre.")
                            .arg(quoted(download->downloadFileName())));
        return;
    }
    questionOnScreen = true;
    const QString path = m_chooser.choose(m_dialogParent, targetPath(download));
    questionOnScreen = false;
    m_waitForUser = path.isEmpty();
    if (path.isEmpty()) {
        download->cancel();
        emit statusText(QStringLiteral("Téléchargement annulé."));
        return;
    }
    const QFileInfo target(path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    m_running.append(download);
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this,
            [this, download] { onProgress(download); });
    // The engine writes into this file until the end; stopped by a full disk,
    // it leaves it behind even once cancelled.
    const QString partial = path + QStringLiteral(".download");
    const QString ownPartial = QFileInfo::exists(partial) ? QString() : partial;
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            [this, download, ownPartial] { onStateChanged(download, ownPartial); });
    download->accept();
    onProgress(download);
}

void DownloadHandler::onProgress(QWebEngineDownloadRequest* download)
{
    if (download->isFinished())
        return;
    const QString name = quoted(download->downloadFileName());
    const qint64 total = download->totalBytes();
    if (total > 0) {
        emit statusText(
            QStringLiteral("Téléchargement de %1 : %2 %").arg(name).arg(download->receivedBytes() * 100 / total));
    } else {
        emit statusText(QStringLiteral("Téléchargement de %1 : %2 reçus")
                            .arg(name, QLocale(QLocale::French).formattedDataSize(download->receivedBytes())));
    }
}

void DownloadHandler::onStateChanged(QWebEngineDownloadRequest* download, const QString& partialFile)
{
    const QString path = targetPath(download);
    switch (download->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        emit statusText(QStringLiteral("Téléchargement terminé : %1").arg(quoted(QDir::toNativeSeparators(path))));
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        emit statusText(QStringLiteral("Téléchargement de %1 annulé.").arg(quoted(download->downloadFileName())));
        break;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        // The engine keeps what it received so far for a later resumption,
        // which this browser never offers: cancelling removes it.
        download->disconnect(this);
        download->cancel();
        if (!partialFile.isEmpty())
            QFile::remove(partialFile);
        emit statusText(QStringLiteral("Échec du téléchargement de %1 : %2.")
                            .arg(quoted(download->downloadFileName()), failureReason(download)));
        break;
    default: return;
    }
    m_running.removeAll(download);
}
