#pragma once

#include "guards/SystemKeys.h"
#include "platform/KnownFolders.h"
#include "platform/Registry.h"

namespace uninst {

// A folder that the system and every application share, which no log may remove: where
// the registry holds its path or which folder the system tells, and where a default
// installation puts it, for a dry run ("" where such a system has none).
struct StandardFolder {
    RootKey root;
    const char* key;
    const char* valueName;
    // Windows Vista and later, as a 32-bit program sees them on 64-bit Windows; "%P"
    // stands for the user's profile ("C:\Users\Name").
    const char* profileDefault;
    // The systems before, which kept the user's folders in the Windows folder.
    const char* windowsDefault;
    // A folder the system tells; None for one the registry holds.
    KnownFolder known = KnownFolder::None;
};

// Asked of the system rather than read from the registry.
constexpr StandardFolder Known(KnownFolder known, const char* profileDefault, const char* windowsDefault)
{
    return {0, nullptr, nullptr, profileDefault, windowsDefault, known};
}

// In the order the guard reads them: the user's folders, the program folders, then the
// system's own and the all-users folders. Each folder directly in the Profiles folder is
// a profile root, and is kept as well.
inline constexpr StandardFolder kStandardFolders[] = {
    {kCurrentUser, kShellFoldersKey, "Programs", "%P\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs",
     "C:\\WINDOWS\\Start Menu\\Programs"},
    {kCurrentUser, kShellFoldersKey, "Desktop", "%P\\Desktop", "C:\\WINDOWS\\Desktop"},
    {kCurrentUser, kShellFoldersKey, "Personal", "%P\\Documents", "C:\\My Documents"},
    {kCurrentUser, kShellFoldersKey, "Recent", "%P\\AppData\\Roaming\\Microsoft\\Windows\\Recent",
     "C:\\WINDOWS\\Recent"},
    {kCurrentUser, kShellFoldersKey, "SendTo", "%P\\AppData\\Roaming\\Microsoft\\Windows\\SendTo",
     "C:\\WINDOWS\\SendTo"},
    {kCurrentUser, kShellFoldersKey, "Start Menu", "%P\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu",
     "C:\\WINDOWS\\Start Menu"},
    {kCurrentUser, kShellFoldersKey, "Startup",
     "%P\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup",
     "C:\\WINDOWS\\Start Menu\\Programs\\Startup"},
    {kCurrentUser, kShellFoldersKey, "Templates", "%P\\AppData\\Roaming\\Microsoft\\Windows\\Templates",
     "C:\\WINDOWS\\ShellNew"},
    {kCurrentUser, kShellFoldersKey, "Fonts", "C:\\Windows\\Fonts", "C:\\Windows\\Fonts"},
    {kCurrentUser, kShellFoldersKey, "AppData", "%P\\AppData\\Roaming", "C:\\WINDOWS\\Application Data"},
    {kCurrentUser, kShellFoldersKey, "Cache", "%P\\AppData\\Local\\Microsoft\\Windows\\INetCache",
     "C:\\WINDOWS\\Temporary Internet Files"},
    {kCurrentUser, kShellFoldersKey, "Cookies", "%P\\AppData\\Local\\Microsoft\\Windows\\INetCookies",
     "C:\\WINDOWS\\Cookies"},
    {kCurrentUser, kShellFoldersKey, "Favorites", "%P\\Favorites", "C:\\WINDOWS\\Favorites"},
    {kCurrentUser, kShellFoldersKey, "History", "%P\\AppData\\Local\\Microsoft\\Windows\\History",
     "C:\\WINDOWS\\History"},
    {kCurrentUser, kShellFoldersKey, "NetHood", "%P\\AppData\\Roaming\\Microsoft\\Windows\\Network Shortcuts",
     "C:\\WINDOWS\\NetHood"},
    {kLocalMachine, kCurrentVersionKey, "ProgramFilesDir", "C:\\Program Files (x86)", "C:\\Program Files"},
    {kLocalMachine, kCurrentVersionKey, "CommonFilesDir", "C:\\Program Files (x86)\\Common Files",
     "C:\\Program Files\\Common Files"},
    // What a 32-bit program is not told about the 64-bit system it runs on.
    {kLocalMachine, kCurrentVersionKey, "ProgramW6432Dir", "C:\\Program Files", ""},
    {kLocalMachine, kCurrentVersionKey, "CommonW6432Dir", "C:\\Program Files\\Common Files", ""},
    Known(KnownFolder::Windows, "C:\\Windows", "C:\\WINDOWS"),
    Known(KnownFolder::System, "C:\\Windows\\System32", "C:\\WINDOWS\\SYSTEM"),
    Known(KnownFolder::SystemX86, "C:\\Windows\\SysWOW64", ""),
    Known(KnownFolder::ProgramFiles, "C:\\Program Files (x86)", "C:\\Program Files"),
    Known(KnownFolder::ProgramFilesX86, "C:\\Program Files (x86)", ""),
    Known(KnownFolder::CommonFiles, "C:\\Program Files (x86)\\Common Files", "C:\\Program Files\\Common Files"),
    Known(KnownFolder::CommonFilesX86, "C:\\Program Files (x86)\\Common Files", ""),
    Known(KnownFolder::CommonDesktop, "C:\\Users\\Public\\Desktop", "C:\\WINDOWS\\All Users\\Desktop"),
    Known(KnownFolder::CommonStartMenu, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu",
          "C:\\WINDOWS\\All Users\\Start Menu"),
    Known(KnownFolder::CommonPrograms, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs",
          "C:\\WINDOWS\\All Users\\Start Menu\\Programs"),
    Known(KnownFolder::CommonStartup, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup",
          "C:\\WINDOWS\\All Users\\Start Menu\\Programs\\Startup"),
    Known(KnownFolder::CommonAppData, "C:\\ProgramData", "C:\\WINDOWS\\All Users\\Application Data"),
    Known(KnownFolder::CommonDocuments, "C:\\Users\\Public\\Documents", "C:\\WINDOWS\\All Users\\Documents"),
    Known(KnownFolder::Profile, "%P", ""),
    Known(KnownFolder::Profiles, "%P\\..", ""),
};

}  // namespace uninst
