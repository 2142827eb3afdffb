#pragma once
// Profile (INI) files: the private profile calls of Windows. A file name
// without a folder is taken from the Windows directory, as Windows does.
// Writing keeps everything else of the file as it was (comments, order,
// CR LF lines); see profile_text.h.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

// The value of a key, or `defaultValue` when the file, section or key is
// missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName);
// The leading decimal number of the value (with an optional "-"), the
// default when the key is missing, 0 when the value does not start with a
// number.
int32_t GetPrivateProfileInt(const std::string& section, const std::string& key, int32_t defaultValue,
                             const std::string& fileName);
// The "key=value" lines of a section.
std::vector<std::string> GetPrivateProfileSection(const std::string& section, const std::string& fileName);
std::vector<std::string> GetPrivateProfileSectionNames(const std::string& fileName);

// Writes a key; a null `value` deletes the key, a null `key` deletes the
// whole section. Creates the file when missing; false with the last error
// when it cannot be written (a read-only file, a missing folder, a file in
// use).
bool WritePrivateProfileString(const std::string& section, const std::optional<std::string>& key,
                               const std::optional<std::string>& value, const std::string& fileName);

}  // namespace win32
