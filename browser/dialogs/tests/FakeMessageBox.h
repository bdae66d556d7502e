#pragma once

#include "MessageBox.h"

#include <QStringList>

class FakeMessageBox : public MessageBox {
public:
    QStringList titles;
    QStringList texts;

    void warning(QWidget*, const QString& title, const QString& text) override
    {
        titles << title;
        texts << text;
    }
};
