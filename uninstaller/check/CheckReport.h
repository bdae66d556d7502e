#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "phases/PhaseObserver.h"

namespace uninst {

// One thing the uninstaller would do with an entry of the log, or an entry it refuses.
struct Step {
    enum class Kind {
        LowerCount,          // phase 1: a shared count goes down by one
        Unregister,          // phase 2: unless another application uses the library
        DeleteFile,          // phase 3
        DeleteSharedFile,    // phase 3, once no other application uses it
        RemoveFolder,        // phase 4, when empty
        DeleteShortcut,      // phase 5
        RemoveGroupFolder,   // phase 5, when the shortcuts leave it empty
        DeleteRegistration,  // phase 6: ...\Uninstall\<Name>
        DeleteValue,         // phase 6
        DeleteKey,           // phase 6, with its subkeys
        Refused,
    };
    Kind kind;
    std::string target;    // a path, or ROOT\key (\value name)
    Refusal refusal{};     // for Refused
    std::size_t line = 0;  // for Refused: the entry's line, 1-based
};

// What an author should look at before shipping the log.
struct Warning {
    enum class Kind {
        ListedTwice,         // otherLine: the first listing
        NameUsedTwice,       // a name of a named section given before (otherLine): never reached
        UnknownRoot,         // text: a root word uninstal does not know; root: the one used; fix
        OutsideApplication,  // a file outside the log's folder and the [Folders] folders
        OutsideSection,      // a line before the first section
        UnreadSection,       // a section the uninstaller never reads (unknown name)
        RepeatedSection,     // a second header of a section (otherLine: the first)
        NoEqualsSign,        // a line in a section without "="
        UnknownKey,          // a key the [Application]/[Titles]/[Messages] section does not have
        RepeatedKey,         // a key already given (otherLine: where)
        TextEndsAtNul,       // a NUL byte ends the text: the rest is ignored
        NotCp1252,           // byte: a byte that is no Windows-1252 text
        LooksLikeUtf8,       // UTF-8 bytes, read as Windows-1252
        DefaultTexts,        // text: the keys of [Titles] or [Messages] left to their defaults
        NoApplicationName,
        EmptyLog,  // no line at all: uninstal would remove nothing and report success
    };
    Kind kind;
    std::size_t line = 0;  // 1-based; 0 for the whole log
    std::string section;
    std::string text;
    std::size_t otherLine = 0;
    unsigned char byte = 0;
    std::string root;  // UnknownRoot: the root the entry is handled under
    std::string fix;   // UnknownRoot: what to write instead
};

// Something the log leaves on the machine, and the line that would take it away.
struct Stay {
    enum class Kind {
        Folder,          // holds listed files or shortcuts, but is not listed itself
        ShortcutFolder,  // a shortcut folder that the shortcut phase never empties
        Key,             // a key whose listed values or subkeys go, but not the key
    };
    Kind kind;
    std::string target;  // the folder, or ROOT\key
    std::size_t line;    // the entry that puts something in it
    std::string add;     // the line to add, with its section: "[Folders] C:\App\Docs=1"
};

inline Warning MakeWarning(Warning::Kind kind, std::size_t line, std::string section = {}, std::string text = {},
                           std::size_t otherLine = 0)
{
    Warning warning{};
    warning.kind = kind;
    warning.line = line;
    warning.section = std::move(section);
    warning.text = std::move(text);
    warning.otherLine = otherLine;
    return warning;
}

// Why there is no report: the command line is wrong, or the log cannot be read.
enum class Unreadable {
    None,
    Usage,       // an argument not understood, or no log named
    Missing,     // nothing at the path
    Folder,      // a folder, not a file
    NotAFile,    // a device or a pipe, which may never end
    CannotOpen,  // access denied, or a failure while reading
};

struct CheckReport {
    std::vector<Step> steps;  // in the order the uninstaller acts
    std::vector<Warning> warnings;
    std::vector<Stay> stays;

    std::size_t Refusals() const;
    // 0 when nothing is refused, warned of or left, else 1.
    int ExitStatus() const;
};

}  // namespace uninst
