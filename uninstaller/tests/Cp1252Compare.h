#pragma once

#include <string>

#include "TextCompare.h"

namespace uninst::fakes {

// Native stand-in for lstrcmpiA on a Windows-1252 system: folds A-Z and the accented
// capitals (0xC0-0xDE except 0xD7) plus the few capitals of 0x8A-0x9F.
class Cp1252Compare : public TextCompare {
public:
    int CompareNoCase(const std::string& a, const std::string& b) override;
    int calls = 0;
};

}  // namespace uninst::fakes
