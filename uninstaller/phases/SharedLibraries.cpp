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

void ReleaseSharedReferences(RegistryFactory& registry, const StringList& paths)
{
    if (paths.Empty())
        return;
    auto reg = registry.CreateRegistry();
    reg->SetRoot(kLocalMachine);
    if (!reg->OpenKey(kSharedDllsKey))
        return;
    // Last to first, like every list of the run: when a count turns out not to be an
    // integer, the entries after it are the ones already released.
    for (auto it = paths.Items().rbegin(); it != paths.Items().rend(); ++it) {
        const std::string& path = *it;
        if (!reg->ValueExists(path))
            continue;
        const std::int32_t count = reg->ReadInteger(path);
        if (count > 1)
            reg->WriteInteger(path, count - 1);
        else if (count == 1)
            reg->DeleteValue(path);
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
