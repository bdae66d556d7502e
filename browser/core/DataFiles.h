#pragma once

#include <QString>

#include <array>

class ProgramFolder;

// The browser's seven data files: where each lives and how many lines its
// readers take. Every reader and writer finds its file here.
namespace data_files {

enum class Folder {
    Program,  // the data folder: beside the executable or the user's (see DataFolder)
    Current,  // the process's working folder at the moment of each access, but
              // the data folder for a start from the desktop entry
};

// Readers of a list take line positions 0 to 1000.
inline constexpr int listLimit = 1001;

struct Entry {
    const char* name;
    Folder folder;
    int maxLines;  // lines a reader takes
};

inline constexpr Entry home{"home.txt", Folder::Program, 1};
inline constexpr Entry site{"site.txt", Folder::Program, 1};
inline constexpr Entry moteur{"moteur.txt", Folder::Program, 1};
inline constexpr Entry erreur404{"erreur404.txt", Folder::Program, 1};
inline constexpr Entry skins{"skins.txt", Folder::Program, 1};
inline constexpr Entry raccourcis{"raccourcis.txt", Folder::Program, listLimit};
// Follows the current folder, unlike the others; kept: stored files and users
// rely on this. The desktop menu starts the program in the home folder, which
// is no place for it.
inline constexpr Entry historique{"historique.txt", Folder::Current, listLimit};

inline constexpr std::array<const Entry*, 7> all{&home, &site, &moteur, &erreur404, &skins, &raccourcis, &historique};

// The full path of the file now: the only place that decides which folder a
// data file lives in.
QString pathOf(const Entry& file, const ProgramFolder& folder);

}  // namespace data_files
