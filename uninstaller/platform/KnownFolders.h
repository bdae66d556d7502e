#pragma once

#include <string>

namespace uninst {

// Standard folders that the system itself tells, beside those the registry holds.
enum class KnownFolder {
    None,          // a folder that the registry holds
    Windows,       // GetWindowsDirectory
    System,        // GetSystemDirectory
    SystemX86,     // GetSystemWow64Directory, on 64-bit Windows only
    ProgramFiles,  // the rest through SHGetFolderPath (CSIDL_...)
    ProgramFilesX86,
    CommonFiles,
    CommonFilesX86,
    CommonDesktop,  // the all-users folders
    CommonStartMenu,
    CommonPrograms,
    CommonStartup,
    CommonAppData,  // ProgramData
    CommonDocuments,
    Profile,   // the user's own profile root
    Profiles,  // GetProfilesDirectory: the folder that holds every profile
};

class KnownFolders {
public:
    virtual ~KnownFolders() = default;
    // The folder's full path; "" when the system cannot tell it.
    virtual std::string KnownFolderPath(KnownFolder folder) = 0;
};

}  // namespace uninst
