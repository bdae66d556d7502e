#pragma once

#include "platform/FileSystem.h"

namespace uninst::win32 {

class Win32FileSystem : public FileSystem {
public:
    bool IsRegularFile(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, const std::string& bytes) override;
    bool EraseFile(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    bool CopyToNew(const std::string& from, const std::string& to) override;
    bool CreateNewFolder(const std::string& path) override;
    bool MoveOver(const std::string& from, const std::string& to) override;
    bool DeleteAtNextStart(const std::string& path) override;
    bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& file) override;
    std::string LongPath(const std::string& path) override;
};

}  // namespace uninst::win32
