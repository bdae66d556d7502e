#include "Cp1252Compare.h"

#include "Cp1252.h"

namespace uninst::fakes {

int Cp1252Compare::CompareNoCase(const std::string& a, const std::string& b)
{
    ++calls;
    return CompareNoCaseCp1252(a, b);
}

}  // namespace uninst::fakes
