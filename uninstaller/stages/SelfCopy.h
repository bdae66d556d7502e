#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"

namespace uninst {

// The temporary copy's file name; the copy runs the cleanup stage.
inline constexpr const char* kCleanupProgramName = "_kvuidel.exe";

// The copy of one run: a folder that the run created itself in the temporary folder, under
// a name no one could know beforehand, and the copy in it.
struct TemporaryCopy {
    std::string folder;   // no trailing "\"
    std::string program;  // folder + "\_kvuidel.exe"
};

// How many folder names the preparation tries before it gives up on a copy.
inline constexpr int kCopyFolderTries = 8;

// First stage, once the user has confirmed: creates the copy's folder, copies the program
// into it, asks for both to go at the next system start, and waits 300 ms. nullopt when
// no copy could be made (no temporary folder, no folder of its own, a failed copy): there
// is then no hand-over.
std::optional<TemporaryCopy> PrepareSelfRemoval(Platform& platform);

// First stage, at its very end: starts that copy, by its full quoted path, with the
// program's own path.
void HandOverToCleanup(Platform& platform, const TemporaryCopy& copy);

// First stage, after a failed run: the unused copy and its folder go at once.
void DiscardCopy(Platform& platform, const TemporaryCopy& copy);

// Asks the system to delete the file at its next start, through WININIT.INI when the
// direct request fails. False when neither could be asked: a user without
// administrator rights may do neither, and the file then waits for its folder's own
// cleaning.
bool RequestDeletionAtRestart(Platform& platform, const std::string& path);

}  // namespace uninst
