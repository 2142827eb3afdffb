#pragma once
// Temporary file names made as Windows makes them: the folder, up to three
// characters of the prefix, a hexadecimal number and ".TMP"
// ("C:\TEMP\bat1A2F.TMP").

#include <cstdint>
#include <string>

namespace win32 {

// With `unique` 0 a number is chosen from the clock and the file is created
// (empty) so that the name is taken; returns the number used. With another
// `unique` the name is made from it and no file is created. Returns 0 with
// the last error when the folder does not exist (ERROR_DIRECTORY) or no
// file can be created.
uint32_t GetTempFileName(const std::string& pathName, const std::string& prefixString, uint32_t unique,
                         std::string& tempFileName);

}  // namespace win32
