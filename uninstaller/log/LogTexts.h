#pragma once

namespace uninst {

// A text the log may give: its key in the "Application", "Messages" or "Titles" section
// and the text used when the key is absent.
struct LogText {
    const char* key;
    const char* fallback;
};

// Messages section (its name is a string resource).
inline constexpr LogText kConfirm{"Confirm", "Are you sure you want to uninstall this software?"};
inline constexpr LogText kUnRegActiveX{"UnRegActiveX", "Unregistering ActiveX"};
inline constexpr LogText kRemovingFiles{"RemovingFiles", "Removing Files"};
inline constexpr LogText kRemovingLinks{"RemovingLinks", "Removing links"};
inline constexpr LogText kUnRegistering{"UnRegistering", "Removing registry updates"};
inline constexpr LogText kUninstallError{"UninstallError", "Error during uninstallation"};
inline constexpr LogText kEndUninstall{"EndUninstall", "Uninstall complete"};
inline constexpr LogText kLogMsg{"LogMsg", "Some elements could not be deleted or restablished:"};
inline constexpr LogText kLogFiles{"LogFiles", "* some application files"};
inline constexpr LogText kLogLinks{"LogLinks", "* some application links"};
inline constexpr LogText kLogRegistry{"LogRegistry", "* some registry updates"};

// Application section.
inline constexpr LogText kApplicationName{"Name", ""};

// Titles section.
inline constexpr LogText kTitleConfirmation{"Confirmation", "Confirmation"};
inline constexpr LogText kTitleUninstall{"Uninstall", "Uninstall"};
inline constexpr LogText kTitleInformation{"Information", "Information"};
inline constexpr LogText kTitleError{"Error", "Error"};

inline constexpr LogText kMessagesTexts[] = {kConfirm,       kUnRegActiveX,   kRemovingFiles, kRemovingLinks,
                                             kUnRegistering, kUninstallError, kEndUninstall,  kLogMsg,
                                             kLogFiles,      kLogLinks,       kLogRegistry};
inline constexpr LogText kTitlesTexts[] = {kTitleConfirmation, kTitleUninstall, kTitleInformation, kTitleError};
inline constexpr LogText kApplicationTexts[] = {kApplicationName};

}  // namespace uninst
