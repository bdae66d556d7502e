#pragma once

#include "SavePathChooser.h"

// The toolkit's save dialog, in French like the rest of the program.
class QtSavePathChooser : public SavePathChooser {
public:
    QString choose(QWidget* parent, const QString& suggestedPath) override;
};
