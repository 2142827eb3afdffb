#pragma once
// Where the version block of an executable image lies, or why there is
// none, as the locators for PE and ELF images report it.

#include <cstddef>
#include <cstdint>

#include "win32/errors.h"

namespace win32 {

struct VersionBlockLocation {
    size_t offset = 0;  // file offset of the block's bytes
    size_t size = 0;    // bytes available there (the block may be shorter)
    // ERROR_SUCCESS when found; otherwise ERROR_BAD_EXE_FORMAT (not an image
    // we read, or its headers point outside the file),
    // ERROR_RESOURCE_DATA_NOT_FOUND (no resources at all),
    // ERROR_RESOURCE_TYPE_NOT_FOUND (resources, but no version resource) or
    // ERROR_RESOURCE_NAME_NOT_FOUND (a version type without an entry).
    uint32_t error = ERROR_SUCCESS;

    static VersionBlockLocation Failure(uint32_t code) { return {0, 0, code}; }
};

}  // namespace win32
