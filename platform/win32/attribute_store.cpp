#include "win32/attribute_store.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstdlib>
#include <string>

#include "win32/attributes.h"

namespace win32 {

namespace {
constexpr const char* kAttribute = "user.quillery.attributes";
constexpr uint32_t kStored = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                             FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_READONLY;
}  // namespace

uint32_t ReadHostAttributes(const std::filesystem::path& host) {
    struct stat info {};
    if (stat(host.c_str(), &info) != 0) return INVALID_FILE_ATTRIBUTES;
    const bool directory = S_ISDIR(info.st_mode);
    uint32_t attributes = directory ? 0u : uint32_t{FILE_ATTRIBUTE_ARCHIVE};
    char buffer[16];
    const ssize_t size = getxattr(host.c_str(), kAttribute, buffer, sizeof buffer - 1);
    if (size > 0) {
        buffer[size] = '\0';
        attributes = static_cast<uint32_t>(std::strtoul(buffer, nullptr, 10)) & kStored;
    }
    if (!(info.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
    if (directory) attributes |= FILE_ATTRIBUTE_DIRECTORY;
    return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

bool WriteHostAttributes(const std::filesystem::path& host, uint32_t attributes) {
    struct stat info {};
    if (stat(host.c_str(), &info) != 0) return false;
    attributes &= kStored;
    const std::string text = std::to_string(attributes);
    const bool stored = setxattr(host.c_str(), kAttribute, text.data(), text.size(), 0) == 0;
    // Mirror read-only in the host's permissions; folders stay writable, as
    // a read-only folder on Windows still takes new files.
    mode_t mode = info.st_mode & 07777;
    if (!S_ISDIR(info.st_mode)) mode = (attributes & FILE_ATTRIBUTE_READONLY) ? mode & ~0222 : mode | S_IWUSR;
    const bool permitted = mode == (info.st_mode & 07777) || chmod(host.c_str(), mode) == 0;
    // Without extended attributes only read-only and archive can be kept.
    return (stored || (attributes & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE)) == 0) && permitted;
}

void MarkArchive(const std::filesystem::path& host) {
    const uint32_t attributes = ReadHostAttributes(host);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_ARCHIVE)) return;
    WriteHostAttributes(host, (attributes & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_ARCHIVE);
}

}  // namespace win32
