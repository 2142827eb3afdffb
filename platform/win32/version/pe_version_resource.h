#pragma once
// Finds the version resource of a PE image (PE32 or PE32+): the resource
// directory's RT_VERSION type, its first name and that name's first
// language, mapped from its RVA to the file offset through the section
// table. The walk is bounded: it visits at most kMaxResourceEntries
// directory entries and examines at most kMaxSectionLookups section headers
// in all, and refuses a file that needs more (ERROR_BAD_EXE_FORMAT), so
// that a crafted image cannot keep it busy.

#include <cstdint>
#include <span>

#include "win32/version/image_reader.h"
#include "win32/version/version_block_location.h"

namespace win32 {

inline constexpr uint32_t RT_VERSION = 16;
// Windows' own images never list more than a few thousand resource types.
inline constexpr uint32_t kMaxResourceEntries = 4096;
inline constexpr uint64_t kMaxSectionLookups = uint64_t(1) << 20;

// True when the image starts with the DOS header's "MZ".
bool LooksLikePeImage(std::span<const uint8_t> image);

VersionBlockLocation FindPeVersionResource(ImageReader& image);
VersionBlockLocation FindPeVersionResource(std::span<const uint8_t> image);

}  // namespace win32
