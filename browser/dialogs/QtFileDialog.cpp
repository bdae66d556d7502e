#include "QtFileDialog.h"

#include <QFileDialog>

std::unique_ptr<QtFileDialog> QtFileDialog::forPages()
{
    // One entry labelled "*.htm" that lists .html files too, as the
    // three-letter pattern did on the system the dialog comes from.
    return std::make_unique<QtFileDialog>(Settings{QStringLiteral("Sauvegarder un fichier"),
                                                   QStringLiteral("*.htm (*.htm *.html)"), QStringLiteral("htm")});
}

bool QtFileDialog::showOpen(QWidget* parent)
{
    return show(parent, false);
}

bool QtFileDialog::showSave(QWidget* parent)
{
    return show(parent, true);
}

bool QtFileDialog::show(QWidget* parent, bool saving)
{
    // Starting from the last choice opens the dialog in that file's folder,
    // with its name preset.
    QFileDialog dialog(parent, m_settings.title, m_fileName, m_settings.nameFilter);
    // A filter is shown by its label, without the patterns in brackets.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(m_settings.defaultSuffix);
        // An existing file is replaced without asking.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    m_fileName = dialog.selectedFiles().constFirst();
    return true;
}
