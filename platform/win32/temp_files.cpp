#include "win32/temp_files.h"

#include <chrono>
#include <cstdio>

#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/files.h"
#include "win32/paths.h"

namespace win32 {

namespace {
std::string NameFor(const std::string& folder, const std::string& prefix, uint32_t number) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%X", number & 0xFFFF);
    return folder + (folder.back() == '\\' ? "" : "\\") + prefix.substr(0, 3) + hex + ".TMP";
}
}  // namespace

uint32_t GetTempFileName(const std::string& pathName, const std::string& prefixString, uint32_t unique,
                         std::string& tempFileName) {
    const auto folder = ResolveWindowsPath(pathName);
    if (!folder) return 0;
    if (!folder->exists || !folder->isDirectory) {
        SetLastError(ERROR_DIRECTORY);
        return 0;
    }
    const std::string base = folder->path.Text();
    if (unique != 0) {
        tempFileName = NameFor(base, prefixString, unique);
        SetLastError(ERROR_SUCCESS);
        return unique & 0xFFFF;
    }
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    const uint32_t start = static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ticks).count());
    for (uint32_t i = 0; i < 0x10000; ++i) {
        const uint32_t number = ((start + i) & 0xFFFF) == 0 ? 1 : (start + i) & 0xFFFF;
        const std::string name = NameFor(base, prefixString, number);
        const HANDLE file = CreateFile(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            tempFileName = name;
            SetLastError(ERROR_SUCCESS);
            return number;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_SHARING_VIOLATION) return 0;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return 0;
}

}  // namespace win32
