#pragma once

#include <string>

#include "platform/Platform.h"

namespace uninst {

inline constexpr const char* kCleanupProgramName = "_kvuidel.exe";

// Whether the program runs as the cleanup copy (its file name, A-Z lower-cased, is
// "_kvuidel.exe").
bool IsCleanupStage(const std::string& programPath);

// The first argument after the program name: arguments are separated by spaces and
// control characters; double quotes group text and are removed.
std::string FirstArgument(const std::string& commandLine);

// Path of the temporary copy: the temporary folder, then "\_kvuidel.exe". "" when the
// system names no temporary folder that a full path of the copy fits in.
std::string TemporaryCopyPath(SystemServices& system);

// First stage, once the user has confirmed: copies the program into the temporary
// folder and waits 300 ms. False when there is no temporary folder: nothing is copied,
// and the program's own file will stay.
bool PrepareSelfRemoval(Platform& platform);

// First stage, at its very end: starts the temporary copy with the program's own path
// (nothing when there is no temporary folder).
void HandOverToCleanup(Platform& platform);

// The whole cleanup stage; returns the exit code. Throws UnexpectedFailure when the
// restart deletion of the copy cannot be requested at all.
int RunCleanupStage(Platform& platform);

}  // namespace uninst
