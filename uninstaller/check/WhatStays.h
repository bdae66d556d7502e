#pragma once

#include <string>
#include <vector>

#include "CheckReport.h"
#include "log/LogObserver.h"

namespace uninst {

class DryRunPlatform;
class FolderGuard;

// What the log leaves on the machine once the phases are done (machine), each with the
// line that would take it away: the lowest folder above a listed file or shortcut that
// still stands and that the guard does not keep anyway, other than the application's
// folder (applicationFolder: resolved, lower-cased, no trailing "\"; the last stage
// removes it once empty); and the keys whose listed values or subkeys go but which no
// entry deletes, unless a guard keeps them. What follows from the entries on warnedLines
// (a name used twice, an unknown root) is left to their warning.
std::vector<Stay> WhatStays(DryRunPlatform& machine, FolderGuard& guard, const std::string& applicationFolder,
                            const std::vector<LogEntry>& entries, const std::vector<Step>& steps,
                            const std::vector<std::size_t>& warnedLines);

}  // namespace uninst
