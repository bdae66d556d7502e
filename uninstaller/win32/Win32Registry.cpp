#include "Win32Registry.h"

#include <vector>

#include "platform/UnexpectedFailure.h"

namespace uninst::win32 {

namespace {

// Subkey names are at most 255 characters.
constexpr DWORD kMaxKeyName = 256;
// Room for a path of MAX_PATH characters and then some, in one query.
constexpr DWORD kShortValue = 1024;

bool DeleteTree(HKEY root, const std::string& path)
{
    std::vector<std::string> children;
    {
        HKEY raw = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &raw) == ERROR_SUCCESS) {
            UniqueKey key(raw);
            // Names are collected first: deleting while enumerating would shift the indices.
            for (DWORD index = 0;; ++index) {
                char name[kMaxKeyName];
                DWORD length = kMaxKeyName;
                if (RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                    ERROR_SUCCESS) {
                    break;
                }
                children.emplace_back(name, length);
            }
        }
    }
    for (const std::string& child : children) {
        DeleteTree(root, path + "\\" + child);
    }
    return RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

HKEY RootHandle(RootKey root)
{
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
}

void Win32Registry::SetRoot(RootKey root)
{
    root_ = root;
}

RootKey Win32Registry::Root() const
{
    return root_;
}

bool Win32Registry::OpenKey(const std::string& path)
{
    CloseKey();
    HKEY raw = nullptr;
    if (RegOpenKeyExA(RootHandle(root_), path.c_str(), 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS &&
        RegOpenKeyExA(RootHandle(root_), path.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) {
        return false;
    }
    key_.reset(raw);
    return true;
}

void Win32Registry::CloseKey()
{
    key_.reset();
}

bool Win32Registry::KeyExists(const std::string& path)
{
    HKEY raw = nullptr;
    if (RegOpenKeyExA(RootHandle(root_), path.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) {
        return false;
    }
    UniqueKey probe(raw);
    return true;
}

bool Win32Registry::ValueExists(const std::string& name)
{
    return key_ && RegQueryValueExA(key_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string Win32Registry::ReadString(const std::string& name)
{
    if (!key_) {
        return {};
    }
    // Every query is a round trip to the registry, and the folder guard reads up to 17
    // values per call: one query with a buffer that fits a path is enough, and only a
    // longer value is asked for again at its size.
    char buffer[kShortValue];
    DWORD type = 0;
    DWORD size = sizeof buffer;
    const LONG status =
        RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) {
        return {};
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw UnexpectedFailure::InvalidValueType(name);
    }
    std::string data;
    if (status == ERROR_SUCCESS) {
        data.assign(buffer, size);
    } else {
        data.assign(size, '\0');
        if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
            ERROR_SUCCESS) {
            return {};
        }
        data.resize(size);
    }
    // Taken up to its first NUL: the stored size may count the terminator and more.
    return data.substr(0, data.find('\0'));
}

std::int32_t Win32Registry::ReadInteger(const std::string& name)
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!key_ ||
        RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
        throw UnexpectedFailure::InvalidValueType(name);
    }
    return static_cast<std::int32_t>(value);
}

void Win32Registry::WriteInteger(const std::string& name, std::int32_t value)
{
    const DWORD data = static_cast<DWORD>(value);
    if (!key_ || RegSetValueExA(key_.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                sizeof data) != ERROR_SUCCESS) {
        throw UnexpectedFailure::CannotSetValue(name);
    }
}

bool Win32Registry::DeleteValue(const std::string& name)
{
    return key_ && RegDeleteValueA(key_.get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(const std::string& path)
{
    // An empty path (or only separators) would address the root itself; its subkeys must
    // never be deleted that way.
    const std::size_t end = path.find_last_not_of('\\');
    if (end == std::string::npos) {
        return false;
    }
    return DeleteTree(RootHandle(root_), path.substr(0, end + 1));
}

std::unique_ptr<Registry> Win32RegistryFactory::CreateRegistry()
{
    return std::make_unique<Win32Registry>();
}

}  // namespace uninst::win32
