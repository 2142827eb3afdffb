#include "vcl/forms/host_paths.h"

#include "win32/paths.h"

// The machine's own conversion: host folders of its drives C: and A: are
// seen there, everything else on Z:.
std::string WindowsPathOfHost(const std::string& hostPath) {
    if (hostPath.empty()) return {};
    return win32::HostToWindowsPath(std::filesystem::path(hostPath));
}

std::string HostPathOfWindows(const std::string& windowsPath) {
    if (windowsPath.empty()) return {};
    const auto host = win32::WindowsToHostPath(windowsPath);
    return host ? host->string() : std::string();
}
