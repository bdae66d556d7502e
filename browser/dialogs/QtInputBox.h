#pragma once

#include "InputBox.h"

// The toolkit's input dialog, with French buttons, modal to the application.
class QtInputBox : public InputBox {
public:
    std::optional<QString> ask(QWidget* parent, const QString& title, const QString& prompt) override;
};
