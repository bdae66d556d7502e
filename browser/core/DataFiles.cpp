#include "DataFiles.h"

#include "ProgramFolder.h"

#include <QDir>

namespace data_files {

QString pathOf(const Entry& file, const ProgramFolder& folder)
{
    const QString name = QString::fromLatin1(file.name);
    switch (file.folder) {
    case Folder::Program: return folder.filePath(name);
    case Folder::Current:
        if (folder.startedFrom() == ProgramFolder::StartedFrom::DesktopEntry)
            return folder.filePath(name);
        break;
    }
    return QDir::current().absoluteFilePath(name);
}

}  // namespace data_files
