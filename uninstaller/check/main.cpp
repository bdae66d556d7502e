// uninstal-check [--french] [--json] PATH/UNINSTAL.DAT: what the uninstaller would do
// with an uninstall log, and what its author should look at. Exit status: 0 nothing
// refused and no warning, 1 refusals or warnings, 2 the log cannot be read (or the
// command line is wrong).
#include <cstdio>
#include <string>

#include "CheckJson.h"
#include "CheckText.h"
#include "LogCheck.h"
#include "TerminalText.h"

namespace {

constexpr int kUnreadable = 2;

// The whole file; false when it cannot be opened or read (a folder cannot).
bool ReadFile(const std::string& path, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char buffer[65536];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, read);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

void Write(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

int main(int argc, char** argv)
{
    bool french = false;
    bool json = false;
    std::string path;
    bool wrong = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--french")
            french = true;
        else if (argument == "--json")
            json = true;
        else if (path.empty() && argument.rfind("--", 0) != 0)
            path = argument;
        else
            wrong = true;
    }
    if (wrong || path.empty()) {
        Write(stderr, uninst::ForTerminal(french ? "usage : uninstal-check [--french] [--json] CHEMIN/UNINSTAL.DAT\n"
                                                 : "usage: uninstal-check [--french] [--json] PATH/UNINSTAL.DAT\n"));
        return kUnreadable;
    }
    std::string bytes;
    if (!ReadFile(path, bytes)) {
        // The path is written as it came, in the terminal's own encoding.
        Write(stderr,
              uninst::ForTerminal(french ? "uninstal-check : impossible de lire " : "uninstal-check: cannot read ") +
                  path + "\n");
        return kUnreadable;
    }
    const uninst::CheckReport report = uninst::CheckLog(path, bytes);
    Write(stdout, json ? uninst::ReportJson(report, french) : uninst::ForTerminal(uninst::ReportText(report, french)));
    return report.ExitStatus();
}
