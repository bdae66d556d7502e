#include "QtFileDialog.h"

#include <QFileDialog>

bool QtFileDialog::showOpen(QWidget* parent)
{
    // Starting from the last choice opens the dialog in that file's folder.
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), m_fileName);
    if (chosen.isEmpty())
        return false;
    m_fileName = chosen;
    return true;
}
