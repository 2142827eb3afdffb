#pragma once
// Bounds-checked little-endian reads from an image source, through a small
// window of the bytes last read, so that the parsers of PE and ELF headers
// can read field by field without a system call for each. A read outside
// the image, or one the source fails, gives 0 (or no bytes); callers test
// Has() for a whole structure before reading its fields.

#include <cstdint>
#include <vector>

#include "win32/version/byte_view.h"
#include "win32/version/image_source.h"

namespace win32 {

class ImageReader {
public:
    explicit ImageReader(ImageSource& source) : source_(source), size_(source.Size()) {}

    uint64_t size() const { return size_; }
    // True when `count` bytes from `offset` lie inside the image (no overflow).
    bool Has(uint64_t offset, uint64_t count) const { return offset <= size_ && count <= size_ - offset; }

    uint8_t U8(uint64_t offset) { return Window(offset, 1).U8(0); }
    uint16_t U16(uint64_t offset) { return Window(offset, 2).U16(0); }
    uint32_t U32(uint64_t offset) { return Window(offset, 4).U32(0); }
    uint64_t U64(uint64_t offset) { return Window(offset, 8).U64(0); }

    // The `count` bytes from `offset`, or none when they are not all inside
    // or cannot be read.
    std::vector<uint8_t> Bytes(uint64_t offset, uint64_t count);

private:
    static constexpr uint64_t kWindowSize = 4096;

    // A view of at least `count` (at most kWindowSize) bytes from `offset`,
    // or an empty one.
    ByteView Window(uint64_t offset, uint64_t count);

    ImageSource& source_;
    uint64_t size_;
    std::vector<uint8_t> window_;
    uint64_t windowStart_ = 0;
};

}  // namespace win32
