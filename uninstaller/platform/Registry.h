#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace uninst {

// Predefined root keys, as the Win32 handle values.
using RootKey = std::uint32_t;
inline constexpr RootKey kClassesRoot = 0x80000000u;
inline constexpr RootKey kCurrentUser = 0x80000001u;
inline constexpr RootKey kLocalMachine = 0x80000002u;
inline constexpr RootKey kUsers = 0x80000003u;

// Registry wrapper: a current root (HKEY_CURRENT_USER when created) and at most one
// open key. Key paths are relative to the root; value names to the open key.
// The wrapper closes its open key when destroyed.
class Registry {
public:
    virtual ~Registry() = default;

    virtual void SetRoot(RootKey root) = 0;
    virtual RootKey Root() const = 0;

    // Opens an existing key (never creates one), asking for full access and, when that
    // is refused, for read access. Any key open before is closed first.
    virtual bool OpenKey(const std::string& path) = 0;
    virtual void CloseKey() = 0;

    virtual bool KeyExists(const std::string& path) = 0;
    virtual bool ValueExists(const std::string& name) = 0;

    // String or expandable string, up to its first NUL, nothing expanded; missing or
    // empty reads as "". Throws UnexpectedFailure::InvalidValueType for any other type.
    virtual std::string ReadString(const std::string& name) = 0;
    // Throws UnexpectedFailure::InvalidValueType when missing or not a 32-bit integer.
    virtual std::int32_t ReadInteger(const std::string& name) = 0;
    // Throws UnexpectedFailure::CannotSetValue on failure.
    virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;

    virtual bool DeleteValue(const std::string& name) = 0;
    // Deletes the key under the root with all its subkeys, deepest first.
    virtual bool DeleteKey(const std::string& path) = 0;
};

// Each guard function works through a wrapper of its own.
class RegistryFactory {
public:
    virtual ~RegistryFactory() = default;
    virtual std::unique_ptr<Registry> CreateRegistry() = 0;
};

}  // namespace uninst
