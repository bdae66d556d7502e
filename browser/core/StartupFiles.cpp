#include "StartupFiles.h"

#include "DataFile.h"

namespace startup_files {

QStringList readHistory(const QString& historyPath)
{
    QStringList entries;
    QString last;
    for (const QString& line : DataFile(historyPath).readLines(1001)) {
        if (line == last)
            break;
        entries.append(line);
        last = line;
    }
    return entries;
}

Variables readVariables(const ProgramFolder& folder)
{
    Variables v;
    v.url_erreur404 = DataFile(folder.filePath(QStringLiteral("erreur404.txt"))).readFirstLine();
    v.url_home = DataFile(folder.filePath(QStringLiteral("home.txt"))).readFirstLine();
    v.url_moteur = DataFile(folder.filePath(QStringLiteral("moteur.txt"))).readFirstLine();
    v.url_site = DataFile(folder.filePath(QStringLiteral("site.txt"))).readFirstLine();
    return v;
}

QString readSkinPath(const ProgramFolder& folder)
{
    return DataFile(folder.filePath(QStringLiteral("skins.txt"))).readFirstLine();
}

}  // namespace startup_files
