#include "win32/attributes.h"

#include "win32/attribute_store.h"
#include "win32/errors.h"
#include "win32/paths.h"

namespace win32 {

namespace {
std::optional<ResolvedPath> Existing(const std::string& fileName) {
    auto resolved = ResolveWindowsPath(fileName);
    if (!resolved) return std::nullopt;
    if (!resolved->exists) {
        SetLastError(resolved->parentExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
        return std::nullopt;
    }
    return resolved;
}
}  // namespace

uint32_t GetFileAttributes(const std::string& fileName) {
    const auto resolved = Existing(fileName);
    if (!resolved) return INVALID_FILE_ATTRIBUTES;
    const uint32_t attributes = ReadHostAttributes(resolved->host);
    SetLastError(attributes == INVALID_FILE_ATTRIBUTES ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS);
    return attributes;
}

bool SetFileAttributes(const std::string& fileName, uint32_t attributes) {
    const auto resolved = Existing(fileName);
    if (!resolved) return false;
    if (!WriteHostAttributes(resolved->host, attributes & ~(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_NORMAL))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

}  // namespace win32
