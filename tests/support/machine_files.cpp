#include "support/machine_files.h"

#include <optional>
#include <stdexcept>

#include "support/temp_dir.h"
#include "win32/paths.h"

namespace testsupport {

std::filesystem::path HostOf(const std::string& windowsPath) {
    std::optional<std::filesystem::path> host = win32::WindowsToHostPath(windowsPath);
    if (!host) throw std::runtime_error("no host path for " + windowsPath);
    return *host;
}

std::string PlaceBytes(const std::string& bytes, const std::string& to) {
    WriteHostFile(HostOf(to), bytes);
    return to;
}

std::string MachineFileBytes(const std::string& windowsPath) { return ReadHostFile(HostOf(windowsPath)); }

}  // namespace testsupport
