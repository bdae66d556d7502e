#include "StartupFiles.h"

#include "DataFile.h"
#include "DataFiles.h"

namespace {

QString readFirstLine(const data_files::Entry& file, const ProgramFolder& folder)
{
    return DataFile(data_files::pathOf(file, folder)).readFirstLine();
}

}  // namespace

namespace startup_files {

QStringList readHistory(const QString& historyPath)
{
    QStringList entries;
    QString last;
    for (const QString& line : DataFile(historyPath).readLines(data_files::historique.maxLines)) {
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
    v.url_erreur404 = readFirstLine(data_files::erreur404, folder);
    v.url_home = readFirstLine(data_files::home, folder);
    v.url_moteur = readFirstLine(data_files::moteur, folder);
    v.url_site = readFirstLine(data_files::site, folder);
    return v;
}

QString readSkinPath(const ProgramFolder& folder)
{
    return readFirstLine(data_files::skins, folder);
}

}  // namespace startup_files
