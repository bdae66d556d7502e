#pragma once

#include <windows.h>

namespace uninst::win32 {

// An entry of a library, looked up at run time; null when this system lacks it.
template <typename Entry>
Entry LookUpEntry(HMODULE module, const char* name)
{
    if (module == nullptr)
        return nullptr;
        // The cast between function pointer types is how GetProcAddress is meant to be used.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
    return reinterpret_cast<Entry>(GetProcAddress(module, name));
#pragma GCC diagnostic pop
}

// Loads a library of the system by its full path in the system folder, so that no other
// folder is ever searched for it; null when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* name);

// The entries that narrow where the system looks for libraries, as this system has
// them: either may be missing (SetDefaultDllDirectories came with Windows 8 and an
// update of 7, SetDllDirectoryA with XP SP1).
struct LibrarySearchEntries {
    BOOL(WINAPI* setDefaultDllDirectories)(DWORD directoryFlags) = nullptr;
    BOOL(WINAPI* setDllDirectory)(LPCSTR folder) = nullptr;
};

// Looked up in kernel32 at run time, so that the program still starts where one is missing.
LibrarySearchEntries SystemLibrarySearchEntries();

// Keeps libraries loaded from now on to the system folder: a program run elevated from a
// folder (or with a current folder) where anyone may leave files must not load a library
// found there. With SetDefaultDllDirectories only the system folder is searched; without
// it SetDllDirectoryA("") at least takes the current folder out. True when either took.
bool RestrictLibrarySearch(const LibrarySearchEntries& entries);

}  // namespace uninst::win32
