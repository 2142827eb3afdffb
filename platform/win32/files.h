#pragma once
// Files of the machine: CreateFile and the calls on an open file handle.
// Every call sets the last error the way Windows does. Share modes hold
// between all processes of the machine (share_locks.h); writes on drive A:
// stop at the floppy's capacity with ERROR_DISK_FULL after writing what
// fits.

#include <cstdint>
#include <string>

#include "win32/access_rights.h"
#include "win32/handles.h"

namespace win32 {

enum : uint32_t {
    GENERIC_READ = 0x80000000,
    GENERIC_WRITE = 0x40000000,
    GENERIC_EXECUTE = 0x20000000,
    GENERIC_ALL = 0x10000000,
    FILE_READ_DATA = 0x0001,
    FILE_WRITE_DATA = 0x0002,
    FILE_APPEND_DATA = 0x0004,
    FILE_READ_ATTRIBUTES = 0x0080,
    FILE_WRITE_ATTRIBUTES = 0x0100,

    FILE_SHARE_READ = 0x1,
    FILE_SHARE_WRITE = 0x2,
    FILE_SHARE_DELETE = 0x4,

    CREATE_NEW = 1,
    CREATE_ALWAYS = 2,
    OPEN_EXISTING = 3,
    OPEN_ALWAYS = 4,
    TRUNCATE_EXISTING = 5,

    FILE_BEGIN = 0,
    FILE_CURRENT = 1,
    FILE_END = 2,

    INVALID_SET_FILE_POINTER = 0xFFFFFFFF,
    INVALID_FILE_SIZE = 0xFFFFFFFF,
};

// Opens or creates a file. `flagsAndAttributes` gives a new file its
// attributes (FILE_FLAG_* bits are accepted and ignored); security
// attributes and template files are not supported and must be null.
// Errors: ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_FILE_EXISTS
// (CREATE_NEW), ERROR_ACCESS_DENIED (a folder, or writing a read-only
// file), ERROR_SHARING_VIOLATION, ERROR_INVALID_PARAMETER. CREATE_ALWAYS and
// OPEN_ALWAYS on an existing file succeed with ERROR_ALREADY_EXISTS.
HANDLE CreateFile(const std::string& fileName, uint32_t desiredAccess, uint32_t shareMode,
                  void* securityAttributes, uint32_t creationDisposition, uint32_t flagsAndAttributes,
                  HANDLE templateFile);

// Overlapped operation is not supported; `overlapped` must be null.
bool ReadFile(HANDLE file, void* buffer, uint32_t bytesToRead, uint32_t* bytesRead, void* overlapped);
bool WriteFile(HANDLE file, const void* buffer, uint32_t bytesToWrite, uint32_t* bytesWritten,
               void* overlapped);

// Moves the position; returns its low 32 bits (the high ones through
// `distanceToMoveHigh` when given). A position before the start fails with
// ERROR_NEGATIVE_SEEK.
uint32_t SetFilePointer(HANDLE file, int32_t distanceToMove, int32_t* distanceToMoveHigh, uint32_t moveMethod);
bool SetFilePointerEx(HANDLE file, int64_t distanceToMove, int64_t* newFilePointer, uint32_t moveMethod);
// Ends (or extends) the file at the position.
bool SetEndOfFile(HANDLE file);
uint32_t GetFileSize(HANDLE file, uint32_t* fileSizeHigh);
bool GetFileSizeEx(HANDLE file, int64_t* fileSize);
bool FlushFileBuffers(HANDLE file);

}  // namespace win32
