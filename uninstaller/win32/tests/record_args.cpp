// Writes the command line it was started with into the file named by its first argument,
// so a test can see that a launched process ran and what it was given.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        return 2;
    }
    // Written under another name first, so that a watcher never sees half the text.
    const std::string part = std::string(argv[1]) + ".part";
    std::FILE* out = std::fopen(part.c_str(), "wb");
    if (out == nullptr) {
        return 1;
    }
    const char* line = GetCommandLineA();
    std::fwrite(line, 1, std::strlen(line), out);
    std::fclose(out);
    return MoveFileA(part.c_str(), argv[1]) ? 0 : 1;
}
