#pragma once

#include "DataFiles.h"

#include <QString>

class BrowserComponent;
class QAbstractItemModel;

// Visit from the address bar: the typed text goes into the first empty
// position of the history list (or at its end), is appended to historique.txt
// and is visited. The list is the address bar's own model, one column.
class AddressBar {
public:
    struct Outcome {
        int position = -1;  // list position that now holds the text
        bool historySaved = false;
        QString historyError;  // why historique.txt could not be written
    };

    static constexpr int lastHistoryPosition = data_files::historique.maxLines - 1;

    static Outcome visit(QAbstractItemModel& list, qint16& historySlot, const QString& typed,
                         const QString& historyPath, BrowserComponent& browser);
};
