#pragma once

#include <string>

#include "platform/TextCompare.h"

namespace uninst::fakes {

// Native stand-in for lstrcmpiA on a Windows-1252 system (that of uninstal-check), counting
// its calls.
class Cp1252Compare : public TextCompare {
public:
    int CompareNoCase(const std::string& a, const std::string& b) override;
    int calls = 0;
};

}  // namespace uninst::fakes
