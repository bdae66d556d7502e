#pragma once

#include <QString>

class QWidget;

// Asks the user where to save a file.
class SavePathChooser {
public:
    virtual ~SavePathChooser() = default;

    // Shows the save dialog, modal, proposing suggestedPath; the full path
    // chosen, or an empty text when the user cancels.
    virtual QString choose(QWidget* parent, const QString& suggestedPath) = 0;
};
