#pragma once

#include <cstddef>
#include <string>

#include "platform/FileSystem.h"
#include "text/StringList.h"
#include "platform/TextCompare.h"

namespace uninst {

// The shared references that this installation has released already, kept beside its log
// so that a run that ends early (a failure, a kill) and the run after it release each one
// once. One line per release, in the order made.
class ReleaseRecord {
public:
    // Reads the record beside the log; without one nothing is released yet. Throws
    // UnexpectedFailure::CannotOpenFile when it exists but cannot be read.
    ReleaseRecord(FileSystem& files, TextCompare& compare, const std::string& logPath);

    // How many releases of the path the record holds.
    std::size_t Times(const std::string& path) const;
    // Adds a release of the path. The whole record goes to a file beside it that then
    // replaces it, so that a run killed meanwhile leaves the record before or after,
    // never a part. Throws UnexpectedFailure::CannotWriteTo when it cannot be written:
    // the count must then stay as it is.
    void Note(const std::string& path);
    // Takes back the release just noted, when the count could not be changed after all:
    // the next run must then try it again.
    void Forget(const std::string& path);

    // The record and the file it is written through, beside the log.
    static std::string PathBeside(const std::string& logPath);
    static std::string PendingPathBeside(const std::string& logPath);

private:
    FileSystem& files_;
    std::string path_;
    std::string pending_;
    StringList released_;

    // Writes the whole record through the pending file; false when it cannot.
    bool Save();
};

}  // namespace uninst
