#pragma once
// Reading the version information of a file given as bytes, the way a
// program asks for another program's version: GetFileVersionInfoSize,
// GetFileVersionInfo, and VerQueryValue of the fixed part, the translation
// list and the "FileVersion" string of every translation. Shared by the fuzz
// target and the test that replays its findings.

#include <cstdint>
#include <string>

namespace versionfuzz {

struct VersionLookup {
    uint32_t size = 0;          // what GetFileVersionInfoSize gave
    bool hasFixedInfo = false;  // VerQueryValue "\" succeeded
    uint32_t translations = 0;  // entries of "\VarFileInfo\Translation"
    uint32_t strings = 0;       // "FileVersion" strings found
};

// Writes `bytes` as C:\input.exe of the current machine and looks its
// version information up. Every value VerQueryValue hands out is checked
// to lie inside the data GetFileVersionInfo filled, a text with its NUL;
// a value outside it, or a size and fill that disagree, throws
// std::logic_error (the reader's fault, not the file's).
VersionLookup LookUpVersionOfBytes(const std::string& bytes);

}  // namespace versionfuzz
