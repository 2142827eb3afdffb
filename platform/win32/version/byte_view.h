#pragma once
// Bounds-checked little-endian reads from a byte span, for the parsers of
// untrusted files (executable images, version blocks). A read outside the
// span gives 0 instead of touching memory; callers test Has() for a whole
// structure before reading its fields.

#include <cstddef>
#include <cstdint>
#include <span>

namespace win32 {

class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t size() const { return bytes_.size(); }
    std::span<const uint8_t> bytes() const { return bytes_; }

    // True when `count` bytes from `offset` lie inside the span (no overflow).
    bool Has(uint64_t offset, uint64_t count) const
    {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    uint8_t U8(uint64_t offset) const { return Has(offset, 1) ? bytes_[offset] : 0; }
    uint16_t U16(uint64_t offset) const
    {
        return Has(offset, 2) ? uint16_t(bytes_[offset] | bytes_[offset + 1] << 8) : 0;
    }
    uint32_t U32(uint64_t offset) const
    {
        return Has(offset, 4) ? uint32_t(U16(offset)) | uint32_t(U16(offset + 2)) << 16 : 0;
    }
    uint64_t U64(uint64_t offset) const
    {
        return Has(offset, 8) ? uint64_t(U32(offset)) | uint64_t(U32(offset + 4)) << 32 : 0;
    }

    // The `count` bytes from `offset`, or an empty view when they are not all
    // inside.
    ByteView Slice(uint64_t offset, uint64_t count) const
    {
        return Has(offset, count) ? ByteView(bytes_.subspan(offset, count)) : ByteView();
    }

private:
    std::span<const uint8_t> bytes_;
};

}  // namespace win32
