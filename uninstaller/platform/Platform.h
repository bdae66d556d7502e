#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Libraries.h"
#include "platform/ProgressWindow.h"
#include "platform/Registry.h"
#include "platform/SystemServices.h"

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
