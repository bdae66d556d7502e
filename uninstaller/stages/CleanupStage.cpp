#include "stages/CleanupStage.h"

#include "guards/FolderGuard.h"
#include "stages/SelfCopy.h"
#include "text/AnsiText.h"

namespace uninst {

namespace {

bool SeparatesArguments(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

bool IsCleanupStage(const std::string& programPath)
{
    return LowerAscii(FileNameOf(programPath)) == kCleanupProgramName;
}

std::string FirstArgument(const std::string& commandLine)
{
    std::size_t at = 0;
    const std::size_t size = commandLine.size();
    std::string argument;
    // Argument 0 is the program itself; the wanted one follows it.
    for (int index = 0; index < 2; ++index) {
        while (at < size && SeparatesArguments(commandLine[at]) && commandLine[at] != '\0')
            ++at;
        argument.clear();
        bool quoted = false;
        while (at < size && commandLine[at] != '\0' && (quoted || !SeparatesArguments(commandLine[at]))) {
            if (commandLine[at] == '"')
                quoted = !quoted;
            else
                argument += commandLine[at];
            ++at;
        }
    }
    // Every double quote went with the parse, so no leading or trailing quote is left
    // to strip.
    return argument;
}

int RunCleanupStage(Platform& platform)
{
    // Gives the first stage time to end, so that its file can go.
    Pause(platform.system);
    const std::string target = FirstArgument(platform.system.CommandLine());
    if (!target.empty())
        platform.files.EraseFile(target);
    const std::string folder = FolderOf(target);
    if (!FolderGuard(platform.registry, platform.files, platform.system).IsSystemFolder(folder))
        platform.files.RemoveFolder(folder);
    // The first stage asked for this already; a copy started by hand had no first stage.
    // Without the rights to ask, the copy is left to the temporary folder's own cleaning.
    RequestDeletionAtRestart(platform, platform.system.ProgramPath());
    return 0;
}

}  // namespace uninst
