#pragma once

#include <QString>

#include <optional>

class QWidget;

// A modal box that asks the user for one line of text.
class InputBox {
public:
    virtual ~InputBox() = default;

    // Shows the prompt under the title with an empty text box and waits; the
    // text as typed when the user confirms, nothing when the user cancels.
    virtual std::optional<QString> ask(QWidget* parent, const QString& title, const QString& prompt) = 0;
};
