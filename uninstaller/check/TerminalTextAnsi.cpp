#include "TerminalText.h"

namespace uninst {

// A Windows console program writes the ANSI code page, as uninstal reads its log.
std::string ForTerminal(const std::string& cp1252)
{
    return cp1252;
}

}  // namespace uninst
