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
    // Copies over an existing target.
    virtual bool CopyOver(const std::string& from, const std::string& to) = 0;
    // Asks the system to delete the file at its next start (MoveFileEx with
    // MOVEFILE_DELAY_UNTIL_REBOOT).
    virtual bool DeleteAtNextStart(const std::string& path) = 0;
    // WritePrivateProfileStringA.
    virtual bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                                const std::string& file) = 0;
};

}  // namespace uninst
