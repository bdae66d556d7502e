#pragma once

#include <span>

#include "log/LogTexts.h"

namespace uninst {

// Where the entries of a section name what they are about.
enum class EntryTarget {
    Text,   // a section of texts: keys from a fixed set (LogTexts.h)
    Key,    // "path=anything": the text after "=" is never read
    Value,  // "name=target": the name only pairs key and line
};

// A section of the log: its name and what its entries hold.
struct SectionFormat {
    const char* name;
    EntryTarget target;
    std::span<const LogText> texts = {};  // the keys of a section of texts
};

inline constexpr SectionFormat kApplicationSection{"Application", EntryTarget::Text, kApplicationTexts};
inline constexpr SectionFormat kTitlesSection{"Titles", EntryTarget::Text, kTitlesTexts};
// The Messages section's name where the program's resource strings do not give it.
inline constexpr SectionFormat kMessagesSection{"Messages", EntryTarget::Text, kMessagesTexts};
inline constexpr SectionFormat kSharedDllsSection{"Reg_SharedDLLs", EntryTarget::Key};
inline constexpr SectionFormat kActiveXSection{"ActiveX", EntryTarget::Key};
inline constexpr SectionFormat kFilesSection{"Files", EntryTarget::Key};
inline constexpr SectionFormat kFoldersSection{"Folders", EntryTarget::Key};
inline constexpr SectionFormat kIconsSection{"Icons", EntryTarget::Value};
inline constexpr SectionFormat kCreateValueSection{"Reg_CreateValue", EntryTarget::Value};
inline constexpr SectionFormat kCreateKeySection{"Reg_CreateKey", EntryTarget::Value};

// Every section the uninstaller reads, in the order of a log.
inline constexpr SectionFormat kLogSections[] = {
    kApplicationSection, kTitlesSection,    kMessagesSection,   kSharedDllsSection,  kActiveXSection,
    kFilesSection,       kFoldersSection,   kIconsSection,      kCreateValueSection, kCreateKeySection,
};

}  // namespace uninst
