#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "text/StringList.h"

namespace uninst {

struct LogText;

// Reader of the uninstall log UNINSTAL.DAT: the whole file in memory as lines, asked
// by section. Creation throws UnexpectedFailure::CannotOpenFile when a file exists at
// the path but cannot be read; no file at all gives an empty reader.
class TInsFile {
public:
    TInsFile(const std::string& path, FileSystem& files, TextCompare& compare);
    ~TInsFile();
    TInsFile(const TInsFile&) = delete;
    TInsFile& operator=(const TInsFile&) = delete;

    StringList Lines;
    // When set, destruction writes Lines back to LogFileName.
    bool Modified = false;
    std::string LogFileName;

    std::string ReadValue(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // The text the log gives under the key in section, or the text's default.
    std::string ReadText(const std::string& section, const LogText& text) const;
    void ReadSectionKeys(const std::string& section, StringList& keys) const;
    void ReadSectionLines(const std::string& section, StringList& lines) const;

private:
    // Index of the first body line of the section, or -1 when the section is absent.
    long FindSection(const std::string& section) const;
    template <typename Visit>
    void WalkBody(const std::string& section, Visit visit) const;

    FileSystem& files_;
    TextCompare& compare_;
};

}  // namespace uninst
