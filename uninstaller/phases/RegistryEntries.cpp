#include "phases/RegistryEntries.h"

#include <utility>

namespace uninst {

namespace {

// The roots a log may name, by the names it gives them.
constexpr std::pair<RootKey, const char*> kRootNames[] = {{kLocalMachine, "HKEY_LOCAL_MACHINE"},
                                                          {kCurrentUser, "HKEY_CURRENT_USER"},
                                                          {kClassesRoot, "HKEY_CLASSES_ROOT"},
                                                          {kUsers, "HKEY_USERS"}};

}  // namespace

std::optional<RegistryEntryText> SplitRegistryEntry(const std::string& text)
{
    const auto separator = text.find('\\');
    if (separator == std::string::npos)
        return std::nullopt;
    RegistryEntryText entry{std::nullopt, text.substr(separator + 1)};
    const std::string rootName = text.substr(0, separator);
    for (const auto& [root, name] : kRootNames) {
        if (rootName == name)
            entry.root = root;
    }
    return entry;
}

bool AddressesRoot(const std::string& path)
{
    return path.find_first_not_of('\\') == std::string::npos;
}

const char* RootName(RootKey root)
{
    for (const auto& [key, name] : kRootNames) {
        if (key == root)
            return name;
    }
    return "?";
}

}  // namespace uninst
