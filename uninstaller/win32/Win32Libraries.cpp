#include "Win32Libraries.h"

#include <windows.h>

namespace uninst::win32 {

std::uintptr_t Win32Libraries::Load(const std::string& path)
{
    // The core hands over full local paths only; with the altered search path the
    // library's own dependencies come from its folder rather than the program's.
    return reinterpret_cast<std::uintptr_t>(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

std::uintptr_t Win32Libraries::FindExport(std::uintptr_t library, const std::string& name)
{
    if (library == 0) {
        return 0;
    }
    return reinterpret_cast<std::uintptr_t>(GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str()));
}

std::int32_t Win32Libraries::CallExport(std::uintptr_t entry)
{
    // Self-registration entries are STDAPI: no arguments, an HRESULT back.
    using Entry = HRESULT(WINAPI*)();
    return static_cast<std::int32_t>(reinterpret_cast<Entry>(entry)());
}

void Win32Libraries::Release(std::uintptr_t library)
{
    if (library != 0) {
        FreeLibrary(reinterpret_cast<HMODULE>(library));
    }
}

}  // namespace uninst::win32
