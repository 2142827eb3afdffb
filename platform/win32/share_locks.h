#pragma once
// Share modes that hold between all processes of a machine.
//
// Every open of a file takes shared host locks (Linux open-file-description
// locks, which the host drops when the descriptor closes or its process
// dies) on bytes far beyond any real file content: one byte per right the
// open uses (read, write, delete) and one per right it denies to others.
// An open conflicts when it uses a right another open denies, or denies a
// right another open uses. Callers hold the machine lock between the check
// and the taking of the locks.

#include <cstdint>
#include <filesystem>

namespace win32 {

// Rights, with the bit values of FILE_SHARE_READ, _WRITE and _DELETE.
enum : uint32_t { kRightRead = 1, kRightWrite = 2, kRightDelete = 4 };

// Checks the open of `fd` using `rights` and sharing `share` against the
// other opens of its file and, when they agree, takes its locks on `fd`.
// False on a conflict (a sharing violation).
bool TakeShareLocks(int fd, uint32_t rights, uint32_t share);

// Whether an open using `rights` (sharing everything) would be allowed now,
// without keeping one: the test before deleting, moving or replacing a file.
bool RightsAvailable(const std::filesystem::path& host, uint32_t rights);

}  // namespace win32
