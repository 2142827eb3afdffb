#include <cstdint>
#include <vector>

#include "dialogs/AboutScreen.h"
#include "win32/version/version_info.h"

std::string FileVersionText(const std::string& fileName) {
    uint32_t handle = 0;
    const uint32_t size = win32::GetFileVersionInfoSize(fileName, &handle);
    if (size == 0) return std::string();
    std::vector<uint8_t> data(size);
    if (!win32::GetFileVersionInfo(fileName, handle, size, data.data())) return std::string();
    const void* value = nullptr;
    uint32_t length = 0;
    if (!win32::VerQueryValue(data.data(), "StringFileInfo\\040904E4\\FileVersion", &value, &length) || length == 0)
        return std::string();
    return std::string(static_cast<const char*>(value));
}
