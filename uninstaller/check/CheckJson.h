#pragma once

#include <string>

#include "CheckReport.h"

namespace uninst {

// The report as one JSON document in UTF-8: each step and warning with its identifier
// and its text in the language asked for, then the counts.
std::string ReportJson(const CheckReport& report, bool french);

// Why there is no report, as a JSON document: the reason's identifier and text, and the
// argument concerned (a UTF-8 path, or the argument not understood).
std::string UnreadableJson(Unreadable why, const std::string& argumentUtf8, bool french);

}  // namespace uninst
