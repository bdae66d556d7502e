#include "PageFile.h"

#include "FailureReasons.h"
#include "FrenchQuotes.h"
#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace page_file {

namespace {

// `sentence` holds %1 for the quoted path and %2 for the reason.
QString writeWhole(const QString& path, const QByteArray& bytes, const QString& sentence)
{
    const bool existed = QFileInfo::exists(path);
    const QFileDevice::FileError error = whole_file::write(path, bytes, whole_file::Fallback::None).error;
    if (error == QFileDevice::NoError)
        return {};
    QString message = sentence.arg(quoted(QDir::toNativeSeparators(path)), failure_reasons::ofSave(path, error));
    if (existed && !QFileInfo(path).isDir())
        message += QStringLiteral("\nLe fichier existant n'a pas été modifié.");
    return message;
}

}  // namespace

QString write(const QString& path, const QByteArray& page)
{
    return writeWhole(path, page + "\r\n", QStringLiteral("Impossible d'enregistrer la page dans le fichier %1 : %2."));
}

QString writePdf(const QString& path, const QByteArray& pdf)
{
    if (pdf.isEmpty()) {
        return QStringLiteral("Impossible d'enregistrer la page en PDF dans le fichier %1 : "
                              "le moteur n'a pas pu la mettre en pages.")
            .arg(quoted(QDir::toNativeSeparators(path)));
    }
    return writeWhole(path, pdf, QStringLiteral("Impossible d'enregistrer la page en PDF dans le fichier %1 : %2."));
}

}  // namespace page_file
