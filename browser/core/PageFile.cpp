#include "PageFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace page_file {
namespace {

QString quoted(const QString& path)
{
    return QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(path));
}

QString cause(const QString& path, QFileDevice::FileError error)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return QStringLiteral("un dossier porte déjà ce nom");
    if (folder.isFile())
        return QStringLiteral("%1 est un fichier, pas un dossier").arg(quoted(folder.filePath()));
    if (!folder.exists())
        return QStringLiteral("le dossier %1 n'existe pas").arg(quoted(folder.filePath()));
    switch (error) {
    case QFileDevice::ResourceError: return QStringLiteral("le disque est plein");
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

}  // namespace

QString write(const QString& path, const QByteArray& page)
{
    const bool existed = QFileInfo::exists(path);
    const QByteArray bytes = page + "\r\n";
    QSaveFile file(path);
    QFileDevice::FileError error = QFileDevice::NoError;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.error();
    } else if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A write cut short (a full disk, a file size limit) raises no error
        // of its own, and commit() would not see one in its last buffer: the
        // temporary file is dropped.
        error = QFileDevice::WriteError;
        file.cancelWriting();
        file.commit();
    } else if (!file.commit()) {
        error = file.error();
    }
    if (error == QFileDevice::NoError)
        return {};
    QString message = QStringLiteral("Impossible d'enregistrer la page dans le fichier %1 : %2.")
                          .arg(quoted(path), cause(path, error));
    if (existed && !QFileInfo(path).isDir())
        message += QStringLiteral("\nLe fichier existant n'a pas été modifié.");
    return message;
}

}  // namespace page_file
