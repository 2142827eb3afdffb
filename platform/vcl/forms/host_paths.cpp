#include "vcl/forms/host_paths.h"

#include <algorithm>

#include "win32/codepage.h"

// Only drive Z: (the host's root) is mapped here; the machine's own drives
// are reached through their Z: names too.
std::string WindowsPathOfHost(const std::string& hostPath) {
    if (hostPath.empty()) return {};
    std::string path = win32::Utf8ToAnsi(hostPath);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path.front() == '\\' ? "Z:" + path : path;
}

std::string HostPathOfWindows(const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' || (windowsPath[0] != 'Z' && windowsPath[0] != 'z')) return {};
    std::string path = windowsPath.substr(2);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty()) path = "/";
    return win32::AnsiToUtf8(path);
}
