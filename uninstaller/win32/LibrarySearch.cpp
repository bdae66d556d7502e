#include "LibrarySearch.h"

#include <string>

namespace uninst::win32 {

namespace {

// Not declared for the oldest system the program targets.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

}  // namespace

LibrarySearchEntries SystemLibrarySearchEntries()
{
    // kernel32 is loaded in every process; asking for its handle loads nothing.
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    LibrarySearchEntries entries;
    entries.setDefaultDllDirectories =
        LookUpEntry<decltype(entries.setDefaultDllDirectories)>(kernel, "SetDefaultDllDirectories");
    entries.setDllDirectory = LookUpEntry<decltype(entries.setDllDirectory)>(kernel, "SetDllDirectoryA");
    return entries;
}

HMODULE LoadSystemLibrary(const char* name)
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::string path = std::string(folder, length) + "\\" + name;
    return LoadLibraryA(path.c_str());
}

bool RestrictLibrarySearch(const LibrarySearchEntries& entries)
{
    if (entries.setDefaultDllDirectories != nullptr && entries.setDefaultDllDirectories(kSearchSystem32))
        return true;
    return entries.setDllDirectory != nullptr && entries.setDllDirectory("");
}

}  // namespace uninst::win32
