#pragma once
// Moves and deletions delayed until the next start of Windows, recorded the
// way each Windows family records them:
// - NT family: the multi-string value PendingFileRenameOperations of
//   HKLM\SYSTEM\CurrentControlSet\Control\Session Manager (pairs of "\??\"
//   paths; the second empty for a deletion, prefixed with "!" for a
//   replacement).
// - 9x family: the [Rename] section of WININIT.INI in the Windows
//   directory, "destination=source" with short (8.3) paths, "NUL=source" for
//   a deletion.

#include <optional>
#include <string>
#include <vector>

namespace win32 {

struct PendingMove {
    std::string source;       // full Windows path
    std::string destination;  // empty for a deletion
    bool replace = false;
    bool operator==(const PendingMove&) const = default;
};

// Records a delayed move; false with the last error when it cannot be
// recorded (ERROR_FILE_NOT_FOUND for a 9x move of a missing source, whose
// short name cannot be made).
bool RecordDelayedMove(const std::string& source, const std::optional<std::string>& destination, bool replace);

// The delayed moves of the NT family's list, in order.
std::vector<PendingMove> PendingFileRenameOperations();
// Empties the list (what Windows does once it has run them at start).
void ClearPendingFileRenameOperations();

}  // namespace win32
