#pragma once

#include <cstdint>
#include <string>

#include "phases/ReleaseRecord.h"
#include "platform/Libraries.h"
#include "platform/Registry.h"
#include "text/StringList.h"

namespace uninst {

// The system-wide reference count of a shared file, under HKEY_LOCAL_MACHINE's
// SharedDLLs key; -1 when the SharedDLLs key cannot
// be opened or has no value for the path.
std::int32_t SharedDllRefCount(RegistryFactory& registry, const std::string& path);

// Lowers the count of every listed path by one; a count of 1 loses its value; counts of
// 0 or less and missing values stay as they are. With a record, a release it holds
// already is not made again, and each release made is noted there before the count
// changes: a run that ends early and the next one together release each entry once.
void ReleaseSharedReferences(RegistryFactory& registry, const StringList& paths, ReleaseRecord* record = nullptr);

// Calls the library's DllUnregisterServer; true when it ran and returned 0.
bool UnregisterLibrary(Libraries& libraries, const std::string& path);

}  // namespace uninst
