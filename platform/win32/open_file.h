#pragma once
// The kernel object behind a file handle: the host descriptor (which holds
// the file's share-mode locks), the rights it was opened with and its
// position.

#include <cstdint>
#include <filesystem>

#include "win32/handles.h"
#include "win32/paths.h"

namespace win32 {

class OpenFile : public KernelObject {
public:
    OpenFile(int fd, uint32_t rights, WindowsPath path, std::filesystem::path host)
        : fd(fd), rights(rights), path(std::move(path)), host(std::move(host)) {}
    ~OpenFile() override;

    int fd;
    uint32_t rights;  // kRightRead, kRightWrite, kRightDelete
    WindowsPath path;
    std::filesystem::path host;
    int64_t position = 0;
    bool written = false;  // the archive attribute is set at the first write
};

}  // namespace win32
