// libFuzzer target for the uninstall log reader: any bytes must load without fault,
// and the section queries must agree with each other.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "log/InsFile.h"
#include "log/LogFormat.h"
#include "text/AnsiText.h"

namespace {

class MemoryFiles : public uninst::FileSystem {
public:
    std::map<std::string, std::string> files;

    std::string LongPath(const std::string& path) override { return path; }
    bool IsRegularFile(const std::string& path) override { return files.count(path) > 0; }
    std::optional<std::string> ReadAll(const std::string& path) override { return files.at(path); }
    bool WriteAll(const std::string& path, const std::string& bytes) override
    {
        files[path] = bytes;
        return true;
    }
    bool EraseFile(const std::string&) override { return false; }
    bool RemoveFolder(const std::string&) override { return false; }
    bool CopyToNew(const std::string&, const std::string&) override { return false; }
    bool CreateNewFolder(const std::string&) override { return false; }
    bool MoveOver(const std::string&, const std::string&) override { return false; }
    bool DeleteAtNextStart(const std::string&) override { return false; }
    bool WriteIniString(const std::string&, const std::string&, const std::string&, const std::string&) override
    {
        return false;
    }
};

class AsciiCompare : public uninst::TextCompare {
public:
    int CompareNoCase(const std::string& a, const std::string& b) override
    {
        return uninst::LowerAscii(a).compare(uninst::LowerAscii(b));
    }
};

void Check(bool condition, int line)
{
    if (!condition) {
        std::fprintf(stderr, "invariant of line %d broken\n", line);
        std::abort();
    }
}
#define CHECK(condition) Check((condition), __LINE__)

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemoryFiles files;
    AsciiCompare compare;
    const std::string path = "C:\\App\\uninstal.dat";
    files.files[path] = std::string(reinterpret_cast<const char*>(data), size);

    uninst::TInsFile reader(path, files, compare);
    // Section names: the fixed ones, and the first line of the input itself.
    const std::string own = reader.Lines.Empty() ? std::string() : reader.Lines[0];
    std::vector<std::string> sections{own};
    for (const uninst::SectionFormat* section : uninst::kLogSections)
        sections.push_back(section->name);
    for (const std::string& section : sections) {
        uninst::StringList keys(compare);
        uninst::StringList lines(compare);
        reader.ReadSectionKeys(section, keys);
        reader.ReadSectionLines(section, lines);
        CHECK(keys.Count() == lines.Count());
        for (std::size_t i = 0; i < keys.Count(); ++i) {
            CHECK(lines[i].compare(0, keys[i].size() + 1, keys[i] + "=") == 0);
            // The first entry of a key is what ReadValue finds, up to letter case of A-Z.
            const std::string value = reader.ReadValue(section, keys[i], "\n");  // no value holds a line end
            CHECK(value != "\n");
            // A lookup by name resolves to the first line of that name, at or before i.
            const std::string byName = lines.ValueOf(keys[i]);
            std::size_t first = 0;
            while (compare.CompareNoCase(keys[first], keys[i]) != 0)
                ++first;
            CHECK(first <= i && lines[first] == keys[first] + "=" + byName);
        }
    }

    // Saving and loading again gives the same lines.
    uninst::StringList again(compare);
    again.LoadText(reader.Lines.SaveText());
    CHECK(again.Items() == reader.Lines.Items());
    return 0;
}
