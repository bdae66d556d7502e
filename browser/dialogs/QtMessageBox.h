#pragma once

#include "MessageBox.h"

class QtMessageBox : public MessageBox {
public:
    void warning(QWidget* parent, const QString& title, const QString& text) override;
};
