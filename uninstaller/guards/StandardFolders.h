#pragma once

#include "guards/SystemKeys.h"
#include "platform/Registry.h"

namespace uninst {

// A folder that the system and every application share, which no log may remove: where
// the registry holds its path, and where a default installation puts it, for a dry run.
struct StandardFolder {
    RootKey root;
    const char* key;
    const char* valueName;
    // Windows Vista and later, as a 32-bit program sees them on 64-bit Windows; "%P"
    // stands for the user's profile ("C:\Users\Name").
    const char* profileDefault;
    // The systems before, which kept the user's folders in the Windows folder.
    const char* windowsDefault;
};

// In the order the guard reads them: the user's folders, then the program folders.
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
};

}  // namespace uninst
