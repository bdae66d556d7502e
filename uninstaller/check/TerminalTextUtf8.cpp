#include "Cp1252.h"
#include "TerminalText.h"

namespace uninst {

std::string ForTerminal(const std::string& cp1252)
{
    return Cp1252ToUtf8(cp1252);
}

// A Linux command line is UTF-8 already.
std::string TerminalToUtf8(const std::string& text)
{
    return text;
}

}  // namespace uninst
