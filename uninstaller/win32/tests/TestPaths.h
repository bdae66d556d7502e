#pragma once

#include <windows.h>

#include <string>

namespace uninst::win32::test {

// Folder of the test program, which also holds the test libraries and helpers; ends with "\".
std::string BinFolder();

// A new empty folder in the temporary folder for one test; ends with "\".
std::string FreshFolder(const std::string& name);

// Writes a file with the given bytes; fails the calling test when it cannot.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Scratch registry key of the tests, under HKEY_CURRENT_USER.
inline constexpr const char* kTestKey = "Software\\UninstalTests";

// Creates the key (and its parents) under the root; false when that fails.
bool CreateKey(HKEY root, const std::string& path);
void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& bytes,
               DWORD type = REG_SZ);
void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
bool ValuePresent(HKEY root, const std::string& path, const std::string& name);

}  // namespace uninst::win32::test
