#include "stages/Uninstaller.h"

#include <exception>

#include "stages/FirstStage.h"
#include "stages/SelfRemoval.h"

namespace uninst {

int RunUninstaller(Platform& platform)
{
    try {
        if (IsCleanupStage(platform.system.ProgramPath()))
            return RunCleanupStage(platform);
        return FirstStage(platform).Run();
    } catch (const std::exception& failure) {
        platform.dialogs.ShowMessage(failure.what(), "Erreur de l'application", kMbTaskModalError);
        return 1;
    }
}

}  // namespace uninst
