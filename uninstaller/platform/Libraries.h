#pragma once

#include <cstdint>
#include <string>

namespace uninst {

// Dynamic libraries. Handles and entries are opaque; 0 means none.
class Libraries {
public:
    virtual ~Libraries() = default;

    virtual std::uintptr_t Load(const std::string& path) = 0;
    virtual std::uintptr_t FindExport(std::uintptr_t library, const std::string& name) = 0;
    // Calls an entry that takes no arguments and returns a 32-bit status (HRESULT).
    virtual std::int32_t CallExport(std::uintptr_t entry) = 0;
    virtual void Release(std::uintptr_t library) = 0;
};

}  // namespace uninst
