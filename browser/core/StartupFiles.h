#pragma once

#include "ProgramFolder.h"
#include "Variables.h"

#include <QStringList>

// What the main window reads from the data files before it is first shown.
// Every reader is quiet: a missing, empty or unreadable file gives empty values.
namespace startup_files {

// The address-bar history: at most 1001 lines, stopping at the first line equal
// to the line before it (the first line is compared with the empty text, so an
// empty first line loads nothing); kept: stored files rely on this.
QStringList readHistory(const QString& historyPath);

Variables readVariables(const ProgramFolder& folder);

// First line of skins.txt: the path of the skin picture.
QString readSkinPath(const ProgramFolder& folder);

}  // namespace startup_files
