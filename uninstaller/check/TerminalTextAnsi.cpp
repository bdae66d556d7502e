#include "TerminalText.h"

#include "Cp1252.h"

namespace uninst {

// A Windows console program writes the ANSI code page, as uninstal reads its log.
std::string ForTerminal(const std::string& cp1252)
{
    return cp1252;
}

std::string TerminalToUtf8(const std::string& text)
{
    return Cp1252ToUtf8(text);
}

}  // namespace uninst
