#pragma once
// A file of the machine as an image source: opened for reading with read
// and write sharing, read through SetFilePointerEx and ReadFile only where
// the version readers look.

#include <optional>
#include <string>

#include "win32/handles.h"
#include "win32/version/image_source.h"

namespace win32 {

class ImageFile : public ImageSource {
public:
    // Nothing, with the last error set, when the file cannot be opened.
    static std::optional<ImageFile> Open(const std::string& fileName);

    ImageFile(ImageFile&& other) noexcept;
    ImageFile& operator=(ImageFile&&) = delete;
    ~ImageFile() override;

    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, std::span<uint8_t> out) override;

    // The error of the first read that failed; ERROR_SUCCESS when none did.
    uint32_t ReadError() const { return readError_; }

private:
    ImageFile(HANDLE handle, uint64_t size) : handle_(handle), size_(size) {}

    HANDLE handle_;
    uint64_t size_;
    uint32_t readError_ = 0;
};

}  // namespace win32
