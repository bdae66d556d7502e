#pragma once

#include "Platform.h"

namespace uninst {

// The first stage: log check, confirmation, the six phases of removal with the
// progress window, the outcome message, the log's deletion and the hand-over to the
// cleanup copy. Returns the exit code of an orderly end; an unexpected failure is
// passed on after the closing steps.
int RunFirstStage(Platform& platform);

}  // namespace uninst
