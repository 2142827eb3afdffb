#pragma once
// Finds the version resource of a PE image (PE32 or PE32+): the resource
// directory's RT_VERSION type, its first name and that name's first
// language, mapped from its RVA to the file offset through the section
// table.

#include <cstdint>
#include <span>

#include "win32/version/version_block_location.h"

namespace win32 {

inline constexpr uint32_t RT_VERSION = 16;

// True when the image starts with the DOS header's "MZ".
bool LooksLikePeImage(std::span<const uint8_t> image);

VersionBlockLocation FindPeVersionResource(std::span<const uint8_t> image);

}  // namespace win32
