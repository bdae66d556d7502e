#pragma once

#include <string>

#include "platform/Platform.h"

namespace uninst {

// The temporary copy's file name; the copy runs the cleanup stage.
inline constexpr const char* kCleanupProgramName = "_kvuidel.exe";

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

}  // namespace uninst
