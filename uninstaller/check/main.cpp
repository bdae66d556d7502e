// uninstal-check: what the uninstaller would do with an uninstall log, and what its
// author should look at. Exit status: 0 nothing to report, 1 refusals, warnings or
// something that stays, 2 the log cannot be read or the command line is wrong.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "CheckJson.h"
#include "CheckText.h"
#include "LogCheck.h"
#include "ProtectedList.h"
#include "TerminalText.h"

namespace {

constexpr int kUnreadable = 2;
// The version of the zip that ships the tool.
constexpr const char* kVersion = "1.0";

constexpr const char* kUsage = "usage: uninstal-check [--french] [--json] [--app-folder FOLDER] PATH/UNINSTAL.DAT\n"
                               "       uninstal-check [--french] --list-protected\n"
                               "       uninstal-check --help | --version\n";
constexpr const char* kUsageFrench =
    "usage : uninstal-check [--french] [--json] [--app-folder DOSSIER] CHEMIN/UNINSTAL.DAT\n"
    "        uninstal-check [--french] --list-protected\n"
    "        uninstal-check --help | --version\n";

constexpr const char* kHelp =
    "\n"
    "Shows what uninstal will do with the log, in its order, touching nothing; every entry\n"
    "it refuses and why; what the author should mend, each on its line; and what stays on\n"
    "the machine.\n"
    "  --french          the report in French\n"
    "  --json            the report as one JSON document (UTF-8), whatever the outcome\n"
    "  --app-folder FOLDER\n"
    "                    the application's folder as Windows names it (C:\\Program Files\\App),\n"
    "                    when PATH is not the installed log's own Windows path\n"
    "  --list-protected  the folders, keys and values that uninstal never removes\n"
    "Exit status: 0 nothing to report, 1 refusals, warnings or something that stays,\n"
    "2 the log cannot be read or the command line is wrong.\n";
constexpr const char* kHelpFrench =
    "\n"
    "Montre ce que fera uninstal du journal, dans son ordre, sans rien toucher ; chaque\n"
    "entr\xE9"
    "e refus\xE9"
    "e et pourquoi ; ce que l'auteur doit corriger, chaque fois sur sa ligne ; et ce\n"
    "qui reste sur la machine.\n"
    "  --french          le rapport en fran\xE7"
    "ais\n"
    "  --json            le rapport en un document JSON (UTF-8), quelle que soit l'issue\n"
    "  --app-folder DOSSIER\n"
    "                    le dossier de l'application tel que Windows le nomme\n"
    "                    (C:\\Program Files\\Appli), quand CHEMIN n'est pas le chemin Windows\n"
    "                    du journal install\xE9\n"
    "  --list-protected  les dossiers, cl\xE9s et valeurs qu'uninstal ne supprime jamais\n"
    "Code de sortie : 0 rien \xE0 signaler, 1 refus, avertissements ou ce qui reste,\n"
    "2 journal illisible ou ligne de commande erron\xE9"
    "e.\n";

void Write(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

// Reads the whole log when it is a plain file; else, or when reading fails, the reason.
uninst::Unreadable ReadLog(const std::string& path, std::string& bytes)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return uninst::Unreadable::Missing;
    if (S_ISDIR(status.st_mode))
        return uninst::Unreadable::Folder;
    // A device or a pipe may never end.
    if (!S_ISREG(status.st_mode))
        return uninst::Unreadable::NotAFile;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return uninst::Unreadable::CannotOpen;
    char buffer[65536];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, read);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? uninst::Unreadable::CannotOpen : uninst::Unreadable::None;
}

struct Options {
    bool french = false;
    bool json = false;
    bool help = false;
    bool version = false;
    bool listProtected = false;
    std::string appFolder;
    std::string path;
    std::string wrong;  // the first argument not understood, or a missing one
};

Options Parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--french")
            options.french = true;
        else if (argument == "--json")
            options.json = true;
        else if (argument == "--help" || argument == "-h")
            options.help = true;
        else if (argument == "--version")
            options.version = true;
        else if (argument == "--list-protected")
            options.listProtected = true;
        else if (argument == "--app-folder" && i + 1 < argc && options.appFolder.empty())
            options.appFolder = argv[++i];
        else if (options.path.empty() && !argument.empty() && argument[0] != '-')
            options.path = argument;
        else if (options.wrong.empty())
            options.wrong = argument;
    }
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = Parse(argc, argv);
    const bool french = options.french;
    if (options.help) {
        Write(stdout,
              uninst::ForTerminal(std::string(french ? kUsageFrench : kUsage) + (french ? kHelpFrench : kHelp)));
        return 0;
    }
    if (options.version) {
        Write(stdout, std::string("uninstal-check ") + kVersion + "\n");
        return 0;
    }
    if (options.listProtected && options.wrong.empty() && options.path.empty()) {
        Write(stdout, uninst::ForTerminal(uninst::ProtectedList(french)));
        return 0;
    }
    if (!options.wrong.empty() || options.path.empty() || options.listProtected) {
        const auto why = uninst::Unreadable::Usage;
        if (options.json) {
            Write(stdout, uninst::UnreadableJson(why, uninst::TerminalToUtf8(options.wrong), french));
        } else {
            Write(stderr, uninst::ForTerminal((french ? "uninstal-check : " : "uninstal-check: ") +
                                              uninst::UnreadableText(why, french)) +
                              (options.wrong.empty() ? "" : ": " + options.wrong) + "\n" +
                              uninst::ForTerminal(french ? kUsageFrench : kUsage));
        }
        return kUnreadable;
    }
    std::string bytes;
    if (const uninst::Unreadable why = ReadLog(options.path, bytes); why != uninst::Unreadable::None) {
        // The path is written as it came, in the terminal's own encoding.
        if (options.json) {
            Write(stdout, uninst::UnreadableJson(why, uninst::TerminalToUtf8(options.path), french));
        } else {
            Write(
                stderr,
                uninst::ForTerminal(french ? "uninstal-check : impossible de lire " : "uninstal-check: cannot read ") +
                    options.path + uninst::ForTerminal((french ? " : " : ": ") + uninst::UnreadableText(why, french)) +
                    "\n");
        }
        return kUnreadable;
    }
    // The log as the uninstaller finds it: in the application's folder, under its Windows path.
    const std::string logPath = options.appFolder.empty() ? options.path : options.appFolder + "\\UNINSTAL.DAT";
    const uninst::CheckReport report = uninst::CheckLog(logPath, bytes);
    Write(stdout,
          options.json ? uninst::ReportJson(report, french) : uninst::ForTerminal(uninst::ReportText(report, french)));
    return report.ExitStatus();
}
