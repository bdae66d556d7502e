#pragma once

#include <string>

#include "platform/Platform.h"

namespace uninst {

// Whether the program runs as the cleanup copy (its file name, A-Z lower-cased, is
// "_kvuidel.exe").
bool IsCleanupStage(const std::string& programPath);

// The first argument after the program name: arguments are separated by spaces and
// control characters; double quotes group text and are removed.
std::string FirstArgument(const std::string& commandLine);

// The whole cleanup stage; returns the exit code. Silent when the restart deletion of
// the copy cannot be requested: the copy is then left to the temporary folder's cleaning.
int RunCleanupStage(Platform& platform);

}  // namespace uninst
