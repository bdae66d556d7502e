#pragma once

namespace uninst {

// The system's keys that the uninstaller reads or writes, each written once. All lie
// under HKEY_LOCAL_MACHINE, Shell Folders under HKEY_CURRENT_USER too; the protected-key
// table lists them among the keys no log may delete.
inline constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kShellFoldersKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kSharedDllsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
// Each application's uninstall registration is a subkey of it.
inline constexpr const char* kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

}  // namespace uninst
