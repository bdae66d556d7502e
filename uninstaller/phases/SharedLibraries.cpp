#include "phases/SharedLibraries.h"

#include "guards/SystemKeys.h"

namespace uninst {

std::int32_t SharedDllRefCount(RegistryFactory& registry, const std::string& path)
{
    auto reg = registry.CreateRegistry();
    reg->SetRoot(kLocalMachine);
    if (!reg->OpenKey(kSharedDllsKey))
        return -1;
    std::int32_t count = -1;
    if (reg->ValueExists(path))
        count = reg->ReadInteger(path);
    reg->CloseKey();
    return count;
}

void ReleaseSharedReferences(RegistryFactory& registry, const StringList& paths, ReleaseRecord* record)
{
    if (paths.Empty())
        return;
    auto reg = registry.CreateRegistry();
    reg->SetRoot(kLocalMachine);
    if (!reg->OpenKey(kSharedDllsKey))
        return;
    // Last to first, like every list of the run: when a count turns out not to be an
    // integer, the entries after it are the ones already released.
    for (std::size_t i = paths.Count(); i-- > 0;) {
        const std::string& path = paths[i];
        // A path listed twice was counted twice: its n-th listing from the end stands for
        // its n-th release.
        if (record && record->Times(path) >= paths.Occurrences(path, i))
            continue;
        if (!reg->ValueExists(path))
            continue;
        const std::int32_t count = reg->ReadInteger(path);
        if (count < 1)
            continue;
        if (record)
            record->Note(path);
        // A count that cannot be changed (a user without the rights to) is no release:
        // the record lets the next run try it again.
        bool lowered = true;
        try {
            if (count > 1)
                reg->WriteInteger(path, count - 1);
            else
                lowered = reg->DeleteValue(path);
        } catch (...) {
            if (record)
                record->Forget(path);
            throw;
        }
        if (!lowered && record)
            record->Forget(path);
    }
    reg->CloseKey();
}

bool UnregisterLibrary(Libraries& libraries, const std::string& path)
{
    const std::uintptr_t library = libraries.Load(path);
    if (library == 0)
        return false;
    bool unregistered = false;
    const std::uintptr_t entry = libraries.FindExport(library, "DllUnregisterServer");
    if (entry != 0)
        unregistered = libraries.CallExport(entry) == 0;
    libraries.Release(library);
    return unregistered;
}

}  // namespace uninst
