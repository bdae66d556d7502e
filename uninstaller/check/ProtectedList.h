#pragma once

#include <string>

namespace uninst {

// What uninstal never removes, from the guards' own tables: the standard folders of a
// default installation, the protected keys and the protected values, one a line ending
// in "\n", under a heading in English or French. Windows-1252 text.
std::string ProtectedList(bool french);

}  // namespace uninst
