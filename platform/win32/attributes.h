#pragma once
// File attributes. Read-only files refuse to be opened for writing, to be
// deleted, replaced or renamed over with ERROR_ACCESS_DENIED, as on Windows.

#include <cstdint>
#include <string>

namespace win32 {

enum : uint32_t {
    FILE_ATTRIBUTE_READONLY = 0x1,
    FILE_ATTRIBUTE_HIDDEN = 0x2,
    FILE_ATTRIBUTE_SYSTEM = 0x4,
    FILE_ATTRIBUTE_DIRECTORY = 0x10,
    FILE_ATTRIBUTE_ARCHIVE = 0x20,
    FILE_ATTRIBUTE_NORMAL = 0x80,
    FILE_ATTRIBUTE_TEMPORARY = 0x100,
    FILE_ATTRIBUTE_OFFLINE = 0x1000,
    INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF,
};

// The attributes of a file or folder; INVALID_FILE_ATTRIBUTES with
// ERROR_FILE_NOT_FOUND (or ERROR_PATH_NOT_FOUND) when it does not exist.
uint32_t GetFileAttributes(const std::string& fileName);
// Sets read-only, hidden, system, archive, temporary and offline;
// FILE_ATTRIBUTE_NORMAL alone clears them. Other bits are ignored.
bool SetFileAttributes(const std::string& fileName, uint32_t attributes);

}  // namespace win32
