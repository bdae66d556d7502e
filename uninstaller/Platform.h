#pragma once

#include "Dialogs.h"
#include "FileSystem.h"
#include "Libraries.h"
#include "ProgressWindow.h"
#include "Registry.h"
#include "SystemServices.h"

namespace uninst {

// Every service the uninstaller uses from the system.
struct Platform {
    RegistryFactory& registry;
    FileSystem& files;
    Libraries& libraries;
    Dialogs& dialogs;
    ProgressWindow& progress;
    SystemServices& system;
};

}  // namespace uninst
