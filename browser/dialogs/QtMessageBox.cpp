#include "QtMessageBox.h"

#include <QMessageBox>

void QtMessageBox::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    // Messages carry paths and the system's words: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
