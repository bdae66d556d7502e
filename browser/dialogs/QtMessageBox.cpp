#include "QtMessageBox.h"

#include <QMessageBox>

void QtMessageBox::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}
