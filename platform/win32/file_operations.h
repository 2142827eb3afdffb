#pragma once
// Deleting, moving and copying files of the machine. A file that another
// open handle does not share for deleting cannot be deleted, moved or
// replaced (ERROR_SHARING_VIOLATION); a read-only file cannot be deleted or
// replaced (ERROR_ACCESS_DENIED).

#include <cstdint>
#include <optional>
#include <string>

namespace win32 {

enum : uint32_t {
    MOVEFILE_REPLACE_EXISTING = 0x1,
    MOVEFILE_COPY_ALLOWED = 0x2,
    MOVEFILE_DELAY_UNTIL_REBOOT = 0x4,
    MOVEFILE_WRITE_THROUGH = 0x8,
};

bool DeleteFile(const std::string& fileName);

// Moves (renames) a file or folder; ERROR_ALREADY_EXISTS when the new name
// exists.
bool MoveFile(const std::string& existingFileName, const std::string& newFileName);
// With MOVEFILE_REPLACE_EXISTING an existing file is replaced; with
// MOVEFILE_COPY_ALLOWED a file may move to another drive (copied, then
// deleted); otherwise that fails with ERROR_NOT_SAME_DEVICE. With
// MOVEFILE_DELAY_UNTIL_REBOOT nothing moves now: the move (or, with a null
// new name, the deletion) is recorded for the next start of Windows
// (delayed_moves.h).
bool MoveFileEx(const std::string& existingFileName, const std::optional<std::string>& newFileName, uint32_t flags);

// Copies a file with its attributes and last-write time. With
// `failIfExists` an existing destination fails with ERROR_FILE_EXISTS. A
// copy that fails half way (a full disk) is removed again.
bool CopyFile(const std::string& existingFileName, const std::string& newFileName, bool failIfExists);

}  // namespace win32
