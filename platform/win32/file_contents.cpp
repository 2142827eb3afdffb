#include "win32/file_contents.h"

#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/files.h"

namespace win32 {

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    const HANDLE file = CreateFile(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char block[65536];
    uint32_t read = 0;
    bool ok = true;
    while ((ok = ReadFile(file, block, sizeof block, &read, nullptr)) && read > 0) bytes.append(block, read);
    const uint32_t error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    if (!ok) return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& fileName, const std::string& bytes) {
    const HANDLE file = CreateFile(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    uint32_t written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<uint32_t>(bytes.size()), &written, nullptr);
    const uint32_t error = GetLastError();
    CloseHandle(file);
    SetLastError(ok ? ERROR_SUCCESS : error);
    return ok;
}

}  // namespace win32
