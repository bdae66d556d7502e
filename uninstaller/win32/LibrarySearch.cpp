#include "LibrarySearch.h"

namespace uninst::win32 {

namespace {

// Not declared for the oldest system the program targets.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

template <typename Entry>
Entry Lookup(HMODULE module, const char* name)
{
    // The cast between function pointer types is how GetProcAddress is meant to be used.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
    return reinterpret_cast<Entry>(GetProcAddress(module, name));
#pragma GCC diagnostic pop
}

}  // namespace

LibrarySearchEntries SystemLibrarySearchEntries()
{
    // kernel32 is loaded in every process; asking for its handle loads nothing.
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    LibrarySearchEntries entries;
    if (kernel != nullptr) {
        entries.setDefaultDllDirectories =
            Lookup<decltype(entries.setDefaultDllDirectories)>(kernel, "SetDefaultDllDirectories");
        entries.setDllDirectory = Lookup<decltype(entries.setDllDirectory)>(kernel, "SetDllDirectoryA");
    }
    return entries;
}

bool RestrictLibrarySearch(const LibrarySearchEntries& entries)
{
    if (entries.setDefaultDllDirectories != nullptr && entries.setDefaultDllDirectories(kSearchSystem32))
        return true;
    return entries.setDllDirectory != nullptr && entries.setDllDirectory("");
}

}  // namespace uninst::win32
