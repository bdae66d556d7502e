#pragma once

#include <QString>

// The folder the six program-folder data files live in: beside the executable
// for a portable copy, else the user's data folder (see DataFolder). Which data
// file lives where is decided by data_files::pathOf.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);

    // The folder of the running executable, links resolved.
    static ProgramFolder ofExecutable();

    const QString& path() const { return m_path; }
    // A data file of this folder, e.g. "home.txt".
    QString filePath(const QString& fileName) const;

private:
    QString m_path;
};
