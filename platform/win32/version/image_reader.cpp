#include "win32/version/image_reader.h"

#include <algorithm>

namespace win32 {

std::vector<uint8_t> ImageReader::Bytes(uint64_t offset, uint64_t count)
{
    if (!Has(offset, count))
        return {};
    std::vector<uint8_t> bytes(count);
    if (!source_.ReadAt(offset, bytes))
        return {};
    return bytes;
}

ByteView ImageReader::Window(uint64_t offset, uint64_t count)
{
    if (!Has(offset, count))
        return {};
    if (offset < windowStart_ || offset + count > windowStart_ + window_.size()) {
        window_.resize(std::min(kWindowSize, size_ - offset));
        windowStart_ = offset;
        if (!source_.ReadAt(offset, window_)) {
            window_.clear();
            return {};
        }
    }
    return ByteView(window_).Slice(offset - windowStart_, count);
}

}  // namespace win32
