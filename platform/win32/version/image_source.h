#pragma once
// The bytes of an executable image as the version readers see them: read
// at any offset on demand, so that a large file is never held in memory
// whole. SpanImage serves bytes already in memory; ImageFile (image_file.h)
// serves a file of the machine.

#include <cstdint>
#include <cstring>
#include <span>

namespace win32 {

class ImageSource {
public:
    virtual ~ImageSource() = default;
    virtual uint64_t Size() const = 0;
    // Fills `out` with the bytes at `offset`, which the caller has checked
    // lie inside the image; false when they cannot be read.
    virtual bool ReadAt(uint64_t offset, std::span<uint8_t> out) = 0;
};

class SpanImage : public ImageSource {
public:
    explicit SpanImage(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(uint64_t offset, std::span<uint8_t> out) override
    {
        if (!out.empty())
            std::memcpy(out.data(), bytes_.data() + offset, out.size());
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
};

}  // namespace win32
