#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <QStringList>

// Decides where the six program-folder data files live. A portable copy keeps them
// beside its executable. An installed copy (its default data files sit in
// ../share/tavrello beside its bin folder) or a copy whose folder cannot be written
// keeps them in the user's own data folder, filled at its first start from the
// defaults. historique.txt joins them only when the desktop entry started the
// program; otherwise it follows the current folder (see data_files).
class DataFolder {
public:
    struct Places {
        QString program;   // folder of the executable
        QString defaults;  // installed default data files; absent for a portable copy
        QString user;      // the user's own data folder
    };

    // The six files that live in the data folder.
    static const QStringList& fileNames();

    // The places of the running program.
    static Places ofRunningProgram();

    // The folder to use. When it is the user's folder, every data file it lacks is
    // first copied from the defaults (or, without installed defaults, from the
    // read-only program folder); files already there are never replaced.
    static ProgramFolder choose(const Places& places, bool programFolderWritable);

    // choose() for the running program, started as its command line says.
    static ProgramFolder forRunningProgram(ProgramFolder::StartedFrom startedFrom);
};
