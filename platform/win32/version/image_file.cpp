#include "win32/version/image_file.h"

#include <utility>

#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/files.h"

namespace win32 {

std::optional<ImageFile> ImageFile::Open(const std::string& fileName)
{
    const HANDLE handle = CreateFile(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    int64_t size = 0;
    if (!GetFileSizeEx(handle, &size)) {
        const uint32_t error = GetLastError();
        CloseHandle(handle);
        SetLastError(error);
        return std::nullopt;
    }
    return ImageFile(handle, uint64_t(size));
}

ImageFile::ImageFile(ImageFile&& other) noexcept
    : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)), size_(other.size_), readError_(other.readError_)
{
}

ImageFile::~ImageFile()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

bool ImageFile::ReadAt(uint64_t offset, std::span<uint8_t> out)
{
    if (readError_ != ERROR_SUCCESS)
        return false;
    uint32_t read = 0;
    if (!SetFilePointerEx(handle_, int64_t(offset), nullptr, FILE_BEGIN) ||
        !ReadFile(handle_, out.data(), uint32_t(out.size()), &read, nullptr)) {
        readError_ = GetLastError();
        return false;
    }
    if (read != out.size()) {  // the file was cut while we read it
        readError_ = ERROR_HANDLE_EOF;
        return false;
    }
    return true;
}

}  // namespace win32
