#include "PageFile.h"

#include "FailureReasons.h"
#include "FrenchQuotes.h"
#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace page_file {

QString write(const QString& path, const QByteArray& page)
{
    const bool existed = QFileInfo::exists(path);
    const QFileDevice::FileError error = whole_file::write(path, page + "\r\n", whole_file::Fallback::None).error;
    if (error == QFileDevice::NoError)
        return {};
    QString message = QStringLiteral("Impossible d'enregistrer la page dans le fichier %1 : %2.")
                          .arg(quoted(QDir::toNativeSeparators(path)), failure_reasons::ofSave(path, error));
    if (existed && !QFileInfo(path).isDir())
        message += QStringLiteral("\nLe fichier existant n'a pas été modifié.");
    return message;
}

}  // namespace page_file
