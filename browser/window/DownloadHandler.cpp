#include "DownloadHandler.h"

#include "SavePathChooser.h"
#include "FrenchQuotes.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWidget>

namespace {

QString targetPath(const QWebEngineDownloadRequest* download)
{
    return QDir(download->downloadDirectory()).filePath(download->downloadFileName());
}

QString failureReason(const QWebEngineDownloadRequest* download)
{
    using R = QWebEngineDownloadRequest;
    switch (download->interruptReason()) {
    case R::FileAccessDenied: return QStringLiteral("l'accès au dossier choisi est refusé");
    case R::FileNoSpace: return QStringLiteral("le disque est plein");
    case R::FileNameTooLong: return QStringLiteral("le nom du fichier est trop long");
    case R::FileTooLarge: return QStringLiteral("le fichier est trop grand pour ce disque");
    case R::FileFailed:
    case R::FileTransientError: return QStringLiteral("le fichier n'a pas pu être écrit");
    case R::NetworkFailed:
    case R::NetworkDisconnected:
    case R::FileTooShort: return QStringLiteral("la connexion au serveur a été interrompue");
    case R::NetworkTimeout: return QStringLiteral("le serveur ne répond plus");
    case R::NetworkServerDown:
    case R::ServerUnreachable: return QStringLiteral("le serveur est injoignable");
    case R::ServerForbidden:
    case R::ServerUnauthorized: return QStringLiteral("le serveur refuse l'accès à ce fichier");
    case R::ServerBadContent: return QStringLiteral("le fichier n'existe pas sur le serveur");
    default: return QStringLiteral("le transfert a échoué");
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
}

void DownloadHandler::cancelAll()
{
    for (const QPointer<QWebEngineDownloadRequest>& download : std::as_const(m_running)) {
        if (download)
            download->cancel();
    }
}

void DownloadHandler::onRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_page || download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    const QString path = m_chooser.choose(m_dialogParent, targetPath(download));
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
    connect(download, &QWebEngineDownloadRequest::stateChanged, this, [this, download] { onStateChanged(download); });
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

void DownloadHandler::onStateChanged(QWebEngineDownloadRequest* download)
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
        emit statusText(QStringLiteral("Échec du téléchargement de %1 : %2.")
                            .arg(quoted(download->downloadFileName()), failureReason(download)));
        break;
    default: return;
    }
    m_running.removeAll(download);
}
