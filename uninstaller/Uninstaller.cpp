#include "Uninstaller.h"

#include <exception>

#include "SelfRemoval.h"
#include "UninstallDriver.h"

namespace uninst {

int RunUninstaller(Platform& platform)
{
    try {
        if (IsCleanupStage(platform.system.ProgramPath()))
            return RunCleanupStage(platform);
        return RunFirstStage(platform);
    } catch (const std::exception& failure) {
        platform.dialogs.ShowMessage(failure.what(), "Erreur de l'application", kMbTaskModalError);
        return 1;
    }
}

}  // namespace uninst
