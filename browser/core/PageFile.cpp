#include "PageFile.h"

#include "FailureReasons.h"
#include "FrenchQuotes.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace page_file {

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
                          .arg(quoted(QDir::toNativeSeparators(path)), failure_reasons::ofSave(path, error));
    if (existed && !QFileInfo(path).isDir())
        message += QStringLiteral("\nLe fichier existant n'a pas été modifié.");
    return message;
}

}  // namespace page_file
