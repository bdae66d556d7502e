#include "FailureReasons.h"

#include "FrenchQuotes.h"
#include "PlainFile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace failure_reasons {

namespace {

QString connectionRefused()
{
    return QStringLiteral("le serveur a refusé la connexion");
}

QString serverUnreachable()
{
    return QStringLiteral("le serveur est injoignable");
}

QString serverTooSlow()
{
    return QStringLiteral("le serveur n'a pas répondu à temps");
}

}  // namespace

QString folderInTheWay()
{
    return QStringLiteral("un dossier porte déjà ce nom");
}

QString folderMissing(const QString& folder)
{
    return QStringLiteral("le dossier %1 n'existe pas").arg(quoted(QDir::toNativeSeparators(folder)));
}

QString accessDenied()
{
    return QStringLiteral("l'accès à ce fichier ou à son dossier est refusé");
}

QString diskFull()
{
    return QStringLiteral("le disque est plein");
}

QString fileTooLarge()
{
    return QStringLiteral("le fichier est trop grand pour ce disque");
}

QString notAPlainFile()
{
    return QStringLiteral("ce n'est pas un fichier ordinaire");
}

QString ofWrite(const QString& path, int errorNumber, const QString& systemText)
{
    const QFileInfo file(path);
    if (file.isDir() || errorNumber == EISDIR)
        return folderInTheWay();
    if (plain_file::isOtherKind(path))
        return notAPlainFile();
    if (const QDir folder = file.absoluteDir(); !folder.exists())
        return folderMissing(folder.path());
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: return QStringLiteral("le dossier qui doit contenir ce fichier n'existe pas");
    case EACCES:
    case EPERM:
    case EROFS: return accessDenied();
    case ENOSPC:
    case EDQUOT: return diskFull();
    case EFBIG: return fileTooLarge();
    case EBUSY:
    case ETXTBSY: return QStringLiteral("le fichier est utilisé par un autre programme");
    default: break;
    }
    // Without an error code (systems that report otherwise), a file that exists
    // but may not be written is still recognised.
    if (file.exists() && !file.isWritable())
        return accessDenied();
    return systemText;
}

QString ofSave(const QString& path, QFileDevice::FileError error)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return folderInTheWay();
    if (plain_file::isOtherKind(path))
        return notAPlainFile();
    if (folder.isFile())
        return QStringLiteral("%1 est un fichier, pas un dossier")
            .arg(quoted(QDir::toNativeSeparators(folder.filePath())));
    if (!folder.exists())
        return folderMissing(folder.filePath());
    switch (error) {
    case QFileDevice::ResourceError: return diskFull();
    case QFileDevice::WriteError:
        return QStringLiteral("l'écriture s'est arrêtée en cours de route ; "
                              "le disque est peut-être plein ou le support a été retiré");
    case QFileDevice::RenameError:
        return QStringLiteral("le fichier existant n'a pas pu être remplacé ; "
                              "il est peut-être en lecture seule ou utilisé par un autre programme");
    default:
        return QStringLiteral("l'accès est refusé ; le dossier est peut-être protégé en écriture, "
                              "ou le fichier en lecture seule ou utilisé par un autre programme");
    }
}

QString fetchUnfinished(std::chrono::milliseconds deadline)
{
    return QStringLiteral("le serveur n'a pas envoyé la page entière dans le délai de %1 secondes")
        .arg(std::chrono::duration_cast<std::chrono::seconds>(deadline).count());
}

QString ofFetch(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::TimeoutError: return serverTooSlow();
    case QNetworkReply::ConnectionRefusedError: return connectionRefused();
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("le serveur est introuvable ; vérifiez l'adresse et la connexion au réseau");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("le serveur a fermé la connexion avant la fin de l'envoi");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("la connexion sécurisée n'a pas pu être établie");
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("le serveur renvoie vers une autre adresse sans fin ou vers une adresse non sécurisée");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("le serveur mandataire (proxy) n'a pas permis la connexion");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError: return QStringLiteral("la connexion au réseau a été perdue");
    default: return QStringLiteral("le transfert a échoué (code %1)").arg(int(error));
    }
}

QString ofPageLoad(int errorCode, const QString& engineText)
{
    switch (errorCode) {
    case -100:  // connection closed
    case -101:  // connection reset
    case -103:  // connection aborted
        return QStringLiteral("la connexion avec le serveur a été interrompue");
    case -102: return connectionRefused();
    case -104:
    case -109:  // address unreachable
        return serverUnreachable();
    case -106: return QStringLiteral("l'ordinateur n'est pas connecté au réseau");
    case -107:  // secure connection
        return QStringLiteral("la connexion sécurisée avec le serveur a échoué");
    case -108: return QStringLiteral("l'adresse n'est pas valide");
    case -118: return serverTooSlow();
    case -130: return QStringLiteral("le serveur proxy est injoignable");
    case -138: return QStringLiteral("l'accès au réseau est refusé");
    default: return engineText;
    }
}

QString ofRendererEnd(RendererEnd end)
{
    switch (end) {
    case RendererEnd::Crashed: return QStringLiteral("le programme qui affiche les pages s'est arrêté sur une erreur");
    case RendererEnd::Killed:
        return QStringLiteral(
            "le système a fermé le programme qui affiche les pages, le plus souvent faute de mémoire");
    case RendererEnd::Other: break;
    }
    return QStringLiteral("le programme qui affiche les pages s'est terminé de façon anormale");
}

QString ofDownload(DownloadStop stop)
{
    switch (stop) {
    case DownloadStop::FileAccess: return accessDenied();
    case DownloadStop::DiskFull: return diskFull();
    case DownloadStop::NameTooLong: return QStringLiteral("le nom du fichier est trop long");
    case DownloadStop::FileTooLarge: return fileTooLarge();
    case DownloadStop::FileNotWritten: return QStringLiteral("le fichier n'a pas pu être écrit");
    case DownloadStop::ConnectionCut: return QStringLiteral("la connexion au serveur a été interrompue");
    case DownloadStop::ServerSilent: return QStringLiteral("le serveur ne répond plus");
    case DownloadStop::ServerUnreachable: return serverUnreachable();
    case DownloadStop::ServerForbids: return QStringLiteral("le serveur refuse l'accès à ce fichier");
    case DownloadStop::NotOnServer: return QStringLiteral("le fichier n'existe pas sur le serveur");
    case DownloadStop::Other: break;
    }
    return QStringLiteral("le transfert a échoué");
}

QString cannotSave(const QString& path, const QString& reason)
{
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : %2")
        .arg(quoted(QDir::toNativeSeparators(path)), reason);
}

}  // namespace failure_reasons
