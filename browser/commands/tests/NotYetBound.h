#pragma once

#include <QStringList>

// Menu entries that no binder handles yet, grouped by the binder that will.
// A binder that lands deletes its group; the list is empty once every
// command of the menu bar exists.
inline const QStringList notYetBound{
    // bindFileCommands
    "smnu_source",
    "smnu_save",
    "smnu_ouvrir",
    "smnu_quitter",
};
