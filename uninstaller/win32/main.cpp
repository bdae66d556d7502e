#include <windows.h>

#include "LibrarySearch.h"
#include "platform/Platform.h"
#include "stages/Uninstaller.h"
#include "Win32Dialogs.h"
#include "Win32FileSystem.h"
#include "Win32Libraries.h"
#include "Win32ProgressWindow.h"
#include "Win32Registry.h"
#include "Win32SystemServices.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before anything loads a library: both stages may run elevated from folders where
    // others can leave files (the temporary folder, the application's folder).
    uninst::win32::RestrictLibrarySearch(uninst::win32::SystemLibrarySearchEntries());
    uninst::win32::Win32RegistryFactory registry;
    uninst::win32::Win32FileSystem files;
    uninst::win32::Win32Libraries libraries;
    uninst::win32::Win32Dialogs dialogs;
    uninst::win32::Win32ProgressWindow progress;
    uninst::win32::Win32SystemServices system;
    uninst::Platform platform{registry, files, libraries, dialogs, progress, system};
    return uninst::RunUninstaller(platform);
}
