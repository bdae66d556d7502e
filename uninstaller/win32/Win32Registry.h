#pragma once

#include "platform/Registry.h"
#include "Win32Handles.h"

namespace uninst::win32 {

// The registry wrapper over the ANSI registry functions.
class Win32Registry : public Registry {
public:
    void SetRoot(RootKey root) override;
    RootKey Root() const override;

    bool OpenKey(const std::string& path) override;
    void CloseKey() override;

    bool KeyExists(const std::string& path) override;
    bool ValueExists(const std::string& name) override;

    std::string ReadString(const std::string& name) override;
    std::int32_t ReadInteger(const std::string& name) override;
    void WriteInteger(const std::string& name, std::int32_t value) override;

    bool DeleteValue(const std::string& name) override;
    bool DeleteKey(const std::string& path) override;

private:
    RootKey root_ = kCurrentUser;
    UniqueKey key_;
};

class Win32RegistryFactory : public RegistryFactory {
public:
    std::unique_ptr<Registry> CreateRegistry() override;
};

// The predefined HKEY for a root value (sign-extended, as the SDK defines them).
HKEY RootHandle(RootKey root);

}  // namespace uninst::win32
