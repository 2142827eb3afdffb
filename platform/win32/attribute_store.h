#pragma once
// Where the Windows attributes of a host file are kept: read-only is the
// absence of the owner's write permission (so host files that the user may
// not write are read-only too) and is stored with the others (hidden,
// system, archive, ...) in an extended attribute of the file. A file
// without stored attributes has the archive attribute, as a new file has.

#include <cstdint>
#include <filesystem>

namespace win32 {

// The attributes of an existing host entry, FILE_ATTRIBUTE_DIRECTORY
// included; FILE_ATTRIBUTE_NORMAL when it has none.
uint32_t ReadHostAttributes(const std::filesystem::path& host);
// Stores `attributes` (directory and normal bits ignored); false when the
// host refuses.
bool WriteHostAttributes(const std::filesystem::path& host, uint32_t attributes);
// Sets the archive attribute of a file that has been written to.
void MarkArchive(const std::filesystem::path& host);

}  // namespace win32
