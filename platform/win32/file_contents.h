#pragma once
// Whole-file reads and writes through the machine's file calls (so share
// modes, read-only files and full disks count), for small files such as
// profiles and lists.

#include <optional>
#include <string>

namespace win32 {

// The bytes of a file, opened for reading with read and write sharing;
// nullopt with the last error when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& fileName);
// Replaces a file's content (creating the file); false with the last error.
bool WriteWholeFile(const std::string& fileName, const std::string& bytes);

}  // namespace win32
