#pragma once

#include "platform/Platform.h"

namespace uninst {

// The whole program: chooses the stage by the running file's name, runs it, and
// reports an unexpected failure in a task-modal box. Returns the exit code.
int RunUninstaller(Platform& platform);

}  // namespace uninst
