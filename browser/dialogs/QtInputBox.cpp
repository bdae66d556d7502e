#include "QtInputBox.h"

#include <QInputDialog>
#include <QLineEdit>

std::optional<QString> QtInputBox::ask(QWidget* parent, const QString& title, const QString& prompt)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    // The prompt is the only visible name of the text box.
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setAccessibleName(prompt);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
