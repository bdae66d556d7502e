#include "phases/ReleaseRecord.h"

#include "text/AnsiText.h"
#include "platform/UnexpectedFailure.h"

namespace uninst {

ReleaseRecord::ReleaseRecord(FileSystem& files, TextCompare& compare, const std::string& logPath)
    : files_(files)
    , path_(PathBeside(logPath))
    , pending_(PendingPathBeside(logPath))
    , released_(compare)
{
    if (!files_.IsRegularFile(path_))
        return;
    const auto text = files_.ReadAll(path_);
    if (!text)
        throw UnexpectedFailure::CannotOpenFile(path_);
    released_.LoadText(*text);
}

std::size_t ReleaseRecord::Times(const std::string& path) const
{
    return released_.Occurrences(path);
}

void ReleaseRecord::Note(const std::string& path)
{
    released_.Add(path);
    if (!Save()) {
        released_.Delete(released_.Count() - 1);
        throw UnexpectedFailure::CannotWriteTo(path_);
    }
}

void ReleaseRecord::Forget(const std::string& path)
{
    for (std::size_t i = released_.Count(); i-- > 0;) {
        if (released_.Occurrences(path, i) > 0) {
            released_.Delete(i);
            break;
        }
    }
    if (!Save())
        throw UnexpectedFailure::CannotWriteTo(path_);
}

bool ReleaseRecord::Save()
{
    return files_.WriteAll(pending_, released_.SaveText()) && files_.MoveOver(pending_, path_);
}

std::string ReleaseRecord::PathBeside(const std::string& logPath)
{
    return FolderOf(logPath) + "uninstal.rel";
}

std::string ReleaseRecord::PendingPathBeside(const std::string& logPath)
{
    return FolderOf(logPath) + "uninstal.rel.new";
}

}  // namespace uninst
