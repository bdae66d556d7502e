#pragma once

#include <cstdint>

namespace uninst {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since the system started (GetTickCount); wraps around after 49 days,
    // so only differences count.
    virtual std::uint32_t Milliseconds() = 0;
};

}  // namespace uninst
