#pragma once

#include <string>

namespace uninst {

// Case-insensitive comparison under the user's locale rules (lstrcmpiA): <0, 0, >0.
class TextCompare {
public:
    virtual ~TextCompare() = default;
    virtual int CompareNoCase(const std::string& a, const std::string& b) = 0;
};

}  // namespace uninst
