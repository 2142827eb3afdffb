#include "win32/profile_files.h"

#include <cctype>

#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/profile_text.h"

namespace win32 {

namespace {
std::string ProfilePath(const std::string& fileName) {
    if (fileName.find_first_of("\\/:") != std::string::npos) return fileName;
    return GetWindowsDirectory() + "\\" + fileName;
}

ProfileText Load(const std::string& fileName) {
    const auto bytes = ReadWholeFile(ProfilePath(fileName));
    return ProfileText(bytes.value_or(""));
}
}  // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    return Load(fileName).Value(section, key).value_or(defaultValue);
}

int32_t GetPrivateProfileInt(const std::string& section, const std::string& key, int32_t defaultValue,
                             const std::string& fileName) {
    const auto value = Load(fileName).Value(section, key);
    if (!value) return defaultValue;
    size_t i = 0;
    const bool negative = !value->empty() && (*value)[0] == '-';
    if (negative) ++i;
    int64_t number = 0;
    while (i < value->size() && std::isdigit(static_cast<unsigned char>((*value)[i])) && number <= INT32_MAX)
        number = number * 10 + ((*value)[i++] - '0');
    return static_cast<int32_t>(negative ? -number : number);
}

std::vector<std::string> GetPrivateProfileSection(const std::string& section, const std::string& fileName) {
    return Load(fileName).SectionLines(section);
}

std::vector<std::string> GetPrivateProfileSectionNames(const std::string& fileName) {
    return Load(fileName).SectionNames();
}

bool WritePrivateProfileString(const std::string& section, const std::optional<std::string>& key,
                               const std::optional<std::string>& value, const std::string& fileName) {
    const std::string path = ProfilePath(fileName);
    auto bytes = ReadWholeFile(path);
    if (!bytes && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    ProfileText text(bytes.value_or(""));
    if (!key) text.DeleteSection(section);
    else if (!value) text.DeleteKey(section, *key);
    else text.SetValue(section, *key, *value);
    const std::string updated = text.Bytes();
    if ((bytes && updated == *bytes) || (!bytes && updated.empty())) {
        SetLastError(ERROR_SUCCESS);
        return true;
    }
    return WriteWholeFile(path, updated);
}

}  // namespace win32
