#pragma once

#include "platform/Libraries.h"

namespace uninst::win32 {

class Win32Libraries : public Libraries {
public:
    std::uintptr_t Load(const std::string& path) override;
    std::uintptr_t FindExport(std::uintptr_t library, const std::string& name) override;
    std::int32_t CallExport(std::uintptr_t entry) override;
    void Release(std::uintptr_t library) override;
};

}  // namespace uninst::win32
