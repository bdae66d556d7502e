#pragma once

#include <string>

namespace uninst {

// Windows-1252 text as this system's terminals show it: UTF-8 on Linux, unchanged (the
// ANSI code page) on Windows.
std::string ForTerminal(const std::string& cp1252);

// Text from the command line (a path) as UTF-8.
std::string TerminalToUtf8(const std::string& text);

}  // namespace uninst
