#pragma once
// Finds the version block that our own programs carry in an ELF section
// (little-endian ELF, 32- or 64-bit): the same bytes as a PE version
// resource, so that one reader serves both. The build puts it there with
// quillery_version_resource() (cmake/QuilleryVersion.cmake).

#include <cstdint>
#include <span>

#include "win32/version/image_reader.h"
#include "win32/version/version_block_location.h"

namespace win32 {

inline constexpr char kElfVersionSectionName[] = ".qversion";

// True when the image starts with the ELF magic.
bool LooksLikeElfImage(std::span<const uint8_t> image);

// ERROR_RESOURCE_DATA_NOT_FOUND when the image has no such section. Reads
// the file header, the section headers, the section names and nothing else.
VersionBlockLocation FindElfVersionSection(ImageReader& image);
VersionBlockLocation FindElfVersionSection(std::span<const uint8_t> image);

}  // namespace win32
