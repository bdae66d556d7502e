#pragma once

#include <QString>

// Where the browser's data files live: six of them in the program folder, the
// history in whatever the current folder is at the moment it is opened.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);

    // The folder of the running executable, links resolved.
    static ProgramFolder ofExecutable();

    const QString& path() const { return m_path; }
    // A data file of the program folder, e.g. "home.txt".
    QString filePath(const QString& fileName) const;
    // historique.txt in the current folder, as it is now.
    static QString historyPath();

private:
    QString m_path;
};
