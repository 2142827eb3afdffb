#include "support_version_bytes.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "support/temp_dir.h"
#include "win32/paths.h"
#include "win32/version/version_info.h"

namespace versionfuzz {
namespace {

constexpr char kFileName[] = "C:\\input.exe";

// The value [value, value + length) lies inside the data.
void CheckInside(const std::vector<uint8_t>& data, const void* value, uint32_t length, const std::string& subBlock)
{
    const auto* at = static_cast<const uint8_t*>(value);
    const bool inside = at >= data.data() && at <= data.data() + data.size() &&
                        length <= size_t(data.data() + data.size() - at);
    if (!inside)
        throw std::logic_error("VerQueryValue(" + subBlock + ") points outside the data");
}

}  // namespace

VersionLookup LookUpVersionOfBytes(const std::string& bytes)
{
    testsupport::WriteHostFile(*win32::WindowsToHostPath(kFileName), bytes);
    VersionLookup lookup;
    uint32_t handle = 1;
    lookup.size = win32::GetFileVersionInfoSize(kFileName, &handle);
    if (handle != 0)
        throw std::logic_error("GetFileVersionInfoSize left the handle set");
    if (lookup.size == 0)
        return lookup;

    std::vector<uint8_t> data(lookup.size);
    if (!win32::GetFileVersionInfo(kFileName, 0, lookup.size, data.data()))
        throw std::logic_error("GetFileVersionInfo failed for the size it gave");

    const void* value = nullptr;
    uint32_t length = 0;
    if (win32::VerQueryValue(data.data(), "\\", &value, &length)) {
        CheckInside(data, value, length, "\\");
        lookup.hasFixedInfo = true;
    }
    if (!win32::VerQueryValue(data.data(), "\\VarFileInfo\\Translation", &value, &length))
        return lookup;
    CheckInside(data, value, length, "\\VarFileInfo\\Translation");
    lookup.translations = length / 4;
    const auto* words = static_cast<const uint8_t*>(value);
    for (uint32_t i = 0; i < lookup.translations; ++i) {
        char table[9];
        std::snprintf(table, sizeof table, "%02X%02X%02X%02X", words[4 * i + 1], words[4 * i], words[4 * i + 3],
                      words[4 * i + 2]);
        const std::string subBlock = std::string("\\StringFileInfo\\") + table + "\\FileVersion";
        if (!win32::VerQueryValue(data.data(), subBlock, &value, &length))
            continue;
        CheckInside(data, value, length, subBlock);
        if (length != 0 && static_cast<const char*>(value)[length - 1] != '\0')
            throw std::logic_error("VerQueryValue(" + subBlock + ") gave a text without its NUL");
        ++lookup.strings;
    }
    return lookup;
}

}  // namespace versionfuzz
