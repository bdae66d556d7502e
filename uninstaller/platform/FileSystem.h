#pragma once

#include <optional>
#include <string>

#include "platform/LongPaths.h"

namespace uninst {

// Files and folders, by full ANSI path. Failures are results, not exceptions.
class FileSystem : public LongPaths {
public:
    virtual ~FileSystem() = default;

    // True only for a regular file (a folder of that name does not count).
    virtual bool IsRegularFile(const std::string& path) = 0;
    // The whole file's bytes; nullopt when it cannot be opened for reading.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    virtual bool WriteAll(const std::string& path, const std::string& bytes) = 0;
    virtual bool EraseFile(const std::string& path) = 0;
    // Succeeds only for an empty folder.
    virtual bool RemoveFolder(const std::string& path) = 0;
    // Copies to a path where nothing is yet; fails when something is.
    virtual bool CopyToNew(const std::string& from, const std::string& to) = 0;
    // Creates a folder; fails when anything of that name exists already.
    virtual bool CreateNewFolder(const std::string& path) = 0;
    // Renames a file over another, replacing it whole, and returns once the change is on
    // the disk (MoveFileEx with MOVEFILE_REPLACE_EXISTING and MOVEFILE_WRITE_THROUGH).
    virtual bool MoveOver(const std::string& from, const std::string& to) = 0;
    // Asks the system to delete the file at its next start (MoveFileEx with
    // MOVEFILE_DELAY_UNTIL_REBOOT).
    virtual bool DeleteAtNextStart(const std::string& path) = 0;
    // WritePrivateProfileStringA.
    virtual bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                                const std::string& file) = 0;
};

}  // namespace uninst
