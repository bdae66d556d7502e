#pragma once

#include <string>

namespace uninst {

// The long spelling of a path: every short (8.3) name in it, such as "PROGRA~1",
// written as the long name it stands for.
class LongPaths {
public:
    virtual ~LongPaths() = default;
    // GetLongPathNameA; the path as given when the system cannot tell (a path that does
    // not exist).
    virtual std::string LongPath(const std::string& path) = 0;
};

}  // namespace uninst
