#include "DataFolder.h"

#include "DataFiles.h"
#include "PlainFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>

namespace {

// Copies each data file that `to` lacks. The copies are new files of the user's
// (created, not cloned), so the user can rewrite them whatever the permissions of
// the installed defaults.
void fillMissing(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return;  // the readers then find nothing and give empty values, as for any missing file
    for (const QString& name : DataFolder::fileNames()) {
        QFile source(QDir(from).filePath(name));
        if (plain_file::isOtherKind(source.fileName()) || !source.open(QIODevice::ReadOnly))
            continue;
        QFile target(QDir(to).filePath(name));
        if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;  // the user's own file stays as it is
        const QByteArray bytes = source.readAll();
        if (target.write(bytes) != bytes.size() || !target.flush())
            target.remove();  // a cut copy would pass for the user's file at the next start
    }
}

}  // namespace

const QStringList& DataFolder::fileNames()
{
    static const QStringList names = [] {
        QStringList program;
        for (const data_files::Entry* file : data_files::all) {
            if (file->folder == data_files::Folder::Program)
                program << QString::fromLatin1(file->name);
        }
        return program;
    }();
    return names;
}

DataFolder::Places DataFolder::ofRunningProgram()
{
    const QString program = ProgramFolder::ofExecutable().path();
    return Places{
        program,
        QDir::cleanPath(QDir(program).filePath(QStringLiteral(TAVRELLO_INSTALLED_DEFAULTS))),
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("Tavrello")),
    };
}

ProgramFolder DataFolder::choose(const Places& places, bool programFolderWritable)
{
    // An installed copy never writes beside its executable, even when it could
    // (run by root): the data files are each user's own.
    const bool installed = QFileInfo(places.defaults).isDir();
    if (programFolderWritable && !installed)
        return ProgramFolder(places.program);
    fillMissing(installed ? places.defaults : places.program, places.user);
    return ProgramFolder(places.user);
}

ProgramFolder DataFolder::forRunningProgram(ProgramFolder::StartedFrom startedFrom)
{
    const Places places = ofRunningProgram();
    const ProgramFolder chosen = choose(places, QFileInfo(places.program).isWritable());
    if (startedFrom != ProgramFolder::StartedFrom::DesktopEntry)
        return chosen;
    // Earlier versions kept it in the folder the menu starts in (the home
    // folder): the first start from the menu takes a copy along.
    const ProgramFolder folder(chosen.path(), ProgramFolder::StartedFrom::DesktopEntry);
    const QString history = data_files::pathOf(data_files::historique, chosen);
    if (!plain_file::isOtherKind(history))
        QFile::copy(history, data_files::pathOf(data_files::historique, folder));
    return folder;
}
