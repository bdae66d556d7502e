#include "Win32SystemServices.h"

#include <windows.h>

#include <ntsecapi.h>

#include <vector>

#include "LibrarySearch.h"
#include "Win32Handles.h"

namespace uninst::win32 {

namespace {

// The folders are fetched with the classic 260-character limit.
constexpr DWORD kPathLimit = MAX_PATH;

// A buffer result of the usual Win32 shape: the length written, 0 on failure, and a
// length of the size or more when the text did not fit.
std::string Truncated(const char* buffer, DWORD length, DWORD size)
{
    return length == 0 || length >= size ? std::string() : std::string(buffer, length);
}

}  // namespace

int Win32SystemServices::CompareNoCase(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str());
}

std::string Win32SystemServices::ProgramPath()
{
    // Grow until the whole path fits: GetModuleFileNameA truncates silently.
    for (DWORD size = MAX_PATH;; size *= 2) {
        std::vector<char> buffer(size);
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0) {
            return {};
        }
        if (length < size) {
            return std::string(buffer.data(), length);
        }
    }
}

std::string Win32SystemServices::CommandLine()
{
    return GetCommandLineA();
}

std::string Win32SystemServices::TempFolder()
{
    char buffer[kPathLimit];
    return Truncated(buffer, GetTempPathA(kPathLimit, buffer), kPathLimit);
}

std::string Win32SystemServices::WindowsFolder()
{
    char buffer[kPathLimit];
    return Truncated(buffer, GetWindowsDirectoryA(buffer, kPathLimit), kPathLimit);
}

std::string Win32SystemServices::SystemLanguage()
{
    char buffer[16];
    const int length = GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SABBREVLANGNAME, buffer, sizeof buffer);
    // The length counts the terminating NUL.
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : std::string();
}

std::optional<std::uint32_t> Win32SystemServices::UnforeseeableNumber()
{
    std::uint32_t number = 0;
    if (!RtlGenRandom(&number, sizeof number))
        return std::nullopt;
    return number;
}

namespace {

// SHGetFolderPath's numbers for the folders that the shell tells.
int ShellFolderId(KnownFolder folder)
{
    switch (folder) {
    case KnownFolder::ProgramFiles: return 0x26;     // CSIDL_PROGRAM_FILES
    case KnownFolder::ProgramFilesX86: return 0x2A;  // CSIDL_PROGRAM_FILESX86
    case KnownFolder::CommonFiles: return 0x2B;      // CSIDL_PROGRAM_FILES_COMMON
    case KnownFolder::CommonFilesX86: return 0x2C;   // CSIDL_PROGRAM_FILES_COMMONX86
    case KnownFolder::CommonDesktop: return 0x19;    // CSIDL_COMMON_DESKTOPDIRECTORY
    case KnownFolder::CommonStartMenu: return 0x16;  // CSIDL_COMMON_STARTMENU
    case KnownFolder::CommonPrograms: return 0x17;   // CSIDL_COMMON_PROGRAMS
    case KnownFolder::CommonStartup: return 0x18;    // CSIDL_COMMON_STARTUP
    case KnownFolder::CommonAppData: return 0x23;    // CSIDL_COMMON_APPDATA
    case KnownFolder::CommonDocuments: return 0x2E;  // CSIDL_COMMON_DOCUMENTS
    case KnownFolder::Profile: return 0x28;          // CSIDL_PROFILE
    default: return -1;
    }
}

}  // namespace

std::string Win32SystemServices::KnownFolderPath(KnownFolder folder)
{
    char buffer[kPathLimit];
    switch (folder) {
    case KnownFolder::None: return {};
    case KnownFolder::Windows: return WindowsFolder();
    case KnownFolder::System: return Truncated(buffer, GetSystemDirectoryA(buffer, kPathLimit), kPathLimit);
    case KnownFolder::SystemX86: {
        const auto entry =
            LookUpEntry<UINT(WINAPI*)(LPSTR, UINT)>(GetModuleHandleA("kernel32.dll"), "GetSystemWow64DirectoryA");
        return entry ? Truncated(buffer, entry(buffer, kPathLimit), kPathLimit) : std::string();
    }
    case KnownFolder::Profiles: {
        if (!userProfiles_)
            userProfiles_.reset(LoadSystemLibrary("userenv.dll"));
        const auto entry = LookUpEntry<BOOL(WINAPI*)(LPSTR, LPDWORD)>(userProfiles_.get(), "GetProfilesDirectoryA");
        DWORD size = kPathLimit;
        return entry && entry(buffer, &size) ? std::string(buffer) : std::string();
    }
    default: {
        if (!shell_)
            shell_.reset(LoadSystemLibrary("shell32.dll"));
        const auto entry =
            LookUpEntry<HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR)>(shell_.get(), "SHGetFolderPathA");
        // SHGFP_TYPE_CURRENT: where the folder is now, not where it was first put.
        return entry && entry(nullptr, ShellFolderId(folder), nullptr, 0, buffer) == S_OK ? std::string(buffer)
                                                                                          : std::string();
    }
    }
}

std::uint32_t Win32SystemServices::Launch(const std::string& commandLine, int showState)
{
    static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOA) == 68);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION process{};
    // CreateProcessA may write into the command line.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process)) {
        return GetLastError();
    }
    // The new process is neither waited for nor watched; only our handles to it go.
    UniqueFile processHandle(process.hProcess);
    UniqueFile threadHandle(process.hThread);
    return 0;
}

void Win32SystemServices::Wait(unsigned milliseconds)
{
    Sleep(milliseconds);
}

std::uint32_t Win32SystemServices::Milliseconds()
{
    return GetTickCount();
}

}  // namespace uninst::win32
