// The benchmark's floor: removes the files, folders, registry keys and values that a
// list names, one plain system call each (keys with their subkeys), with no window, no
// log reader and no guard. Its time is what the removals themselves cost.
//
//   bare_uninstall.exe LIST TIMES
//
// LIST holds one item a line, a letter, a space and the item:
//   F <file>   D <folder>   K <root>\<key>   V <root>\<key>\<value name>
// with the root written HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE. The items are removed
// in the order listed. TIMES receives the milliseconds the removals took. The exit code
// is the number of items that could not be removed (2 for bad usage, 3 for bad input).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "Win32Handles.h"

namespace {

using uninst::win32::UniqueKey;

struct Item {
    char kind;
    std::string path;
};

bool ReadList(const char* name, std::vector<Item>& items)
{
    std::ifstream list(name, std::ios::binary);
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (line.size() < 3 || line[1] != ' ')
            return false;
        items.push_back({line[0], line.substr(2)});
    }
    return static_cast<bool>(list.eof());
}

// Splits "ROOT\rest" into the root's handle and the rest.
bool SplitRoot(const std::string& path, HKEY& root, std::string& rest)
{
    const auto separator = path.find('\\');
    const std::string name = path.substr(0, separator);
    if (separator == std::string::npos)
        return false;
    if (name == "HKEY_CURRENT_USER")
        root = HKEY_CURRENT_USER;
    else if (name == "HKEY_LOCAL_MACHINE")
        root = HKEY_LOCAL_MACHINE;
    else
        return false;
    rest = path.substr(separator + 1);
    return true;
}

bool DeleteTree(HKEY root, const std::string& path)
{
    HKEY raw = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS)
        return false;
    UniqueKey key(raw);
    char name[256];
    // Always the first subkey: each deletion moves the next one up.
    for (DWORD size = sizeof name;
         RegEnumKeyExA(key.get(), 0, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         size = sizeof name) {
        if (!DeleteTree(key.get(), name))
            return false;
    }
    key.reset();
    return RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}

bool DeleteValue(HKEY root, const std::string& path)
{
    const auto split = path.rfind('\\');
    HKEY raw = nullptr;
    if (split == std::string::npos ||
        RegOpenKeyExA(root, path.substr(0, split).c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS)
        return false;
    UniqueKey key(raw);
    return RegDeleteValueA(key.get(), path.substr(split + 1).c_str()) == ERROR_SUCCESS;
}

bool Remove(const Item& item)
{
    HKEY root = nullptr;
    std::string rest;
    switch (item.kind) {
    case 'F': return DeleteFileA(item.path.c_str()) != 0;
    case 'D': return RemoveDirectoryA(item.path.c_str()) != 0;
    case 'K': return SplitRoot(item.path, root, rest) && DeleteTree(root, rest);
    case 'V': return SplitRoot(item.path, root, rest) && DeleteValue(root, rest);
    default: return false;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<Item> items;
    if (argc != 3) {
        std::fprintf(stderr, "usage: bare_uninstall LIST TIMES\n");
        return 2;
    }
    if (!ReadList(argv[1], items))
        return 3;

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int left = 0;
    for (const Item& item : items)
        left += Remove(item) ? 0 : 1;
    QueryPerformanceCounter(&end);

    std::ofstream times(argv[2], std::ios::binary);
    times << (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart << "\r\n";
    return left;
}
