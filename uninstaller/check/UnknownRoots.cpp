#include "UnknownRoots.h"

#include "phases/RegistryEntries.h"
#include "text/AnsiText.h"

namespace uninst {

namespace {

// The root name an author meant by a word, in any letter case and in the short forms of
// other tools; "" when none.
std::string Meant(const std::string& word)
{
    constexpr std::pair<const char*, RootKey> kWords[] = {
        {"hklm", kLocalMachine}, {"hkey_local_machine", kLocalMachine},
        {"hkcu", kCurrentUser},  {"hkey_current_user", kCurrentUser},
        {"hkcr", kClassesRoot},  {"hkey_classes_root", kClassesRoot},
        {"hku", kUsers},         {"hkey_users", kUsers},
    };
    const std::string lowered = LowerAscii(word);
    for (const auto& [spelling, root] : kWords) {
        if (lowered == spelling)
            return RootName(root);
    }
    return {};
}

}  // namespace

void WarnUnknownRoots(const std::vector<LogEntry>& entries, TextCompare& compare, std::vector<Warning>& warnings)
{
    RootKey root = kLocalMachine;
    for (const SectionFormat* section : {&kCreateValueSection, &kCreateKeySection}) {
        std::vector<const LogEntry*> listed;
        for (const LogEntry& entry : entries) {
            if (entry.section == section)
                listed.push_back(&entry);
        }
        for (auto it = listed.rbegin(); it != listed.rend(); ++it) {
            // The text comes from the first line of the entry's name.
            const LogEntry* named = *it;
            for (const LogEntry* entry : listed) {
                if (compare.CompareNoCase(entry->key, (*it)->key) == 0) {
                    named = entry;
                    break;
                }
            }
            const auto split = SplitRegistryEntry(named->value);
            if (!split)
                continue;
            if (split->root) {
                root = *split->root;
                continue;
            }
            if (named != *it)
                continue;  // its name's first line is warned of on its own turn
            const std::string word = named->value.substr(0, named->value.find('\\'));
            Warning warning = MakeWarning(Warning::Kind::UnknownRoot, named->line, section->name, word);
            warning.root = RootName(root);
            warning.fix = Meant(word);
            warnings.push_back(warning);
        }
    }
}

}  // namespace uninst
