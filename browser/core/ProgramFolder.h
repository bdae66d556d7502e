#pragma once

#include <QString>

// The folder the six program-folder data files live in: beside the executable
// for a portable copy, else the user's data folder (see DataFolder). Which data
// file lives where is decided by data_files::pathOf.
class ProgramFolder {
public:
    // The desktop entry starts the program with "--depuis-le-menu"; a start
    // from a terminal, a script or a file manager is elsewhere.
    enum class StartedFrom { Elsewhere, DesktopEntry };

    explicit ProgramFolder(QString path, StartedFrom startedFrom = StartedFrom::Elsewhere);

    // The folder of the running executable, links resolved.
    static ProgramFolder ofExecutable();

    const QString& path() const { return m_path; }
    StartedFrom startedFrom() const { return m_startedFrom; }
    // A data file of this folder, e.g. "home.txt".
    QString filePath(const QString& fileName) const;

private:
    QString m_path;
    StartedFrom m_startedFrom;
};
