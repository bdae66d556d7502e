#pragma once

#include <string>

#include "CheckReport.h"

namespace uninst {

// Checks the log found at logPath (as the user gave it) whose bytes are given: runs the
// uninstaller's own reader and removal phases over the machine the log describes
// (DryRunPlatform), and looks for what the log's author should fix. A full Windows path
// counts the log's folder among the application's folders.
CheckReport CheckLog(const std::string& logPath, const std::string& bytes);

}  // namespace uninst
