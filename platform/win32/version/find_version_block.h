#pragma once
// Finds the version block of a file's bytes, whatever kind of image it is
// (PE, or ELF for our own programs), and checks that it parses.

#include <cstdint>
#include <span>

#include "win32/version/version_block_location.h"

namespace win32 {

// The location of a usable block: its size is the block's own length.
// Errors as VersionBlockLocation lists them, ERROR_BAD_EXE_FORMAT for a file
// that is neither image, and ERROR_INVALID_DATA for a block that does not
// parse.
VersionBlockLocation FindVersionBlock(std::span<const uint8_t> image);

}  // namespace win32
