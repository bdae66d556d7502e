#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the program is started with: tavrello [--depuis-le-menu] [ADRESSE].
namespace command_line {

struct Start {
    ProgramFolder::StartedFrom startedFrom = ProgramFolder::StartedFrom::Elsewhere;
    QString address;  // to visit at once, as if typed in the address bar; empty: none
};

// The usage line, in French, for standard error.
QString usage();

// The arguments as QCoreApplication gives them, the program's name first.
// Nothing for anything else: an unknown option, a second address.
std::optional<Start> parse(const QStringList& arguments);

}  // namespace command_line
