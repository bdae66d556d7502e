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
    if (!files_.WriteAll(pending_, released_.SaveText()) || !files_.MoveOver(pending_, path_)) {
        released_.Delete(released_.Count() - 1);
        throw UnexpectedFailure::CannotWriteTo(path_);
    }
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
