#pragma once

#include <string>

#include "CheckReport.h"

namespace uninst {

// The report for a reader, in English or French: the steps, the warnings and a count,
// one per line ending in "\n". Windows-1252 text; a byte of the log that is no
// Windows-1252 text shows as \xNN.
std::string ReportText(const CheckReport& report, bool french);

// One step's or warning's line of the report, without its indent.
std::string StepText(const Step& step, bool french);
std::string WarningText(const Warning& warning, bool french);
std::string StayText(const Stay& stay, bool french);

// The identifiers of steps, refusals and warnings for programs.
const char* StepId(Step::Kind kind);
const char* ReasonId(Refusal::Reason reason);
const char* WarningId(Warning::Kind kind);
const char* StayId(Stay::Kind kind);
const char* UnreadableId(Unreadable why);

// Why there is no report, in a few words.
std::string UnreadableText(Unreadable why, bool french);

}  // namespace uninst
