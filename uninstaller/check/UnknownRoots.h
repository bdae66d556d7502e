#pragma once

#include <vector>

#include "CheckReport.h"
#include "log/LogObserver.h"
#include "platform/TextCompare.h"

namespace uninst {

// Warns of each registry entry whose root word uninstal does not know (HKCU, hkey_local_
// machine...), with the name to write and the root the entry is handled under as
// written: that of the entry handled before it, values last to first then keys last to
// first, HKEY_LOCAL_MACHINE at first.
void WarnUnknownRoots(const std::vector<LogEntry>& entries, TextCompare& compare, std::vector<Warning>& warnings);

}  // namespace uninst
