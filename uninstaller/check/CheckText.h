#pragma once

#include <string>

#include "CheckReport.h"

namespace uninst {

// The report for a reader, in English or French: the steps, the warnings and a count,
// one per line ending in "\n". Windows-1252 text; a byte of the log that is no
// Windows-1252 text shows as \xNN.
std::string ReportText(const CheckReport& report, bool french);

// The same as one JSON document, in UTF-8.
std::string ReportJson(const CheckReport& report, bool french);

}  // namespace uninst
