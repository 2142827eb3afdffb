#include "win32/attributes.h"

#include "win32/attribute_store.h"
#include "win32/errors.h"
#include "win32/paths.h"

namespace win32 {

uint32_t GetFileAttributes(const std::string& fileName) {
    const auto resolved = ResolveExisting(fileName);
    if (!resolved) return INVALID_FILE_ATTRIBUTES;
    const uint32_t attributes = ReadHostAttributes(resolved->host);
    SetLastError(attributes == INVALID_FILE_ATTRIBUTES ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS);
    return attributes;
}

bool SetFileAttributes(const std::string& fileName, uint32_t attributes) {
    const auto resolved = ResolveExisting(fileName);
    if (!resolved) return false;
    if (!WriteHostAttributes(resolved->host, attributes & ~(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_NORMAL))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

}  // namespace win32
