#pragma once
// Finds the version block of an image, whatever kind of image it is (PE,
// or ELF for our own programs), and checks that it parses. Only the headers
// that lead to the block, and the block itself, are read.

#include <cstdint>
#include <span>
#include <vector>

#include "win32/version/image_source.h"
#include "win32/version/version_block_location.h"

namespace win32 {

struct FoundVersionBlock {
    VersionBlockLocation location;
    std::vector<uint8_t> bytes;  // the block, when found
};

// The location of a usable block, with its bytes: its size is the block's
// own length. Errors as VersionBlockLocation lists them,
// ERROR_BAD_EXE_FORMAT for a file that is neither image, and
// ERROR_INVALID_DATA for a block that does not parse.
FoundVersionBlock ReadVersionBlock(ImageSource& image);

// The location alone, of an image in memory.
VersionBlockLocation FindVersionBlock(std::span<const uint8_t> image);

}  // namespace win32
