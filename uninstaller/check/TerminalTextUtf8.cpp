#include "Cp1252.h"
#include "TerminalText.h"

namespace uninst {

std::string ForTerminal(const std::string& cp1252)
{
    return Cp1252ToUtf8(cp1252);
}

}  // namespace uninst
