#pragma once

#include <string>
#include <string_view>

#include "platform/TextCompare.h"

namespace uninst {

// lstrcmpiA on a Windows-1252 system, for programs that run without one: folds A-Z and
// the accented capitals (0xC0-0xDE except 0xD7) plus the few capitals of 0x8A-0x9F.
int CompareNoCaseCp1252(std::string_view a, std::string_view b);

// The text as CompareNoCaseCp1252 sees it: texts that it finds equal fold alike.
std::string FoldCp1252(std::string_view text);

class Cp1252Compare : public TextCompare {
public:
    int CompareNoCase(const std::string& a, const std::string& b) override { return CompareNoCaseCp1252(a, b); }
};

// Whether the byte is a printable Windows-1252 character: not one of the five bytes the
// code page leaves undefined, nor a control character other than the tab.
bool IsCp1252Character(unsigned char byte);

// Windows-1252 text as UTF-8; an undefined byte becomes U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace uninst
