#include "WriteFailure.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace write_failure {

QString reason(const QString& path, int errorNumber, const QString& systemText)
{
    const QFileInfo file(path);
    if (file.isDir() || errorNumber == EISDIR)
        return QStringLiteral("un dossier porte déjà le nom de ce fichier");
    if (const QDir folder = file.absoluteDir(); !folder.exists())
        return QStringLiteral("le dossier « %1 » n'existe pas").arg(QDir::toNativeSeparators(folder.path()));
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: return QStringLiteral("le dossier qui doit contenir ce fichier n'existe pas");
    case EACCES:
    case EPERM:
    case EROFS: return QStringLiteral("l'accès à ce fichier ou à son dossier est refusé");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("le disque est plein");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("le fichier est utilisé par un autre programme");
    default: break;
    }
    // Without an error code (systems that report otherwise), a file that exists
    // but may not be written is still recognised.
    if (file.exists() && !file.isWritable())
        return QStringLiteral("l'accès à ce fichier ou à son dossier est refusé");
    return systemText;
}

}  // namespace write_failure
