#pragma once

#include <string>

#include "CheckReport.h"

namespace uninst {

// The report as one JSON document in UTF-8: each step and warning with its identifier
// and its text in the language asked for, then the counts.
std::string ReportJson(const CheckReport& report, bool french);

}  // namespace uninst
