#include "QtSavePathChooser.h"

#include <QFileDialog>

QString QtSavePathChooser::choose(QWidget* parent, const QString& suggestedPath)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Enregistrer le fichier"), suggestedPath);
}
