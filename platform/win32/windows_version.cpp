#include "win32/windows_version.h"

#include <map>

#include "win32/errors.h"
#include "win32/host_names.h"
#include "win32/machine.h"

namespace win32 {

namespace {
const std::map<std::string, WindowsVersion>& Presets() {
    static const std::map<std::string, WindowsVersion> presets = {
        {"95", {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 950, ""}},
        {"98", {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 1998, ""}},
        {"ME", {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3000, ""}},
        {"NT4", {VER_PLATFORM_WIN32_NT, 4, 0, 1381, "Service Pack 6"}},
        {"2000", {VER_PLATFORM_WIN32_NT, 5, 0, 2195, "Service Pack 4"}},
        {"XP", {VER_PLATFORM_WIN32_NT, 5, 1, 2600, "Service Pack 2"}},
        {"unknown", {VER_PLATFORM_WIN32_NT, 6, 0, 6000, ""}},
    };
    return presets;
}
}  // namespace

std::optional<WindowsVersion> WindowsVersionPreset(const std::string& name) {
    for (const auto& [key, version] : Presets())
        if (SameName(key, name)) return version;
    return std::nullopt;
}

const std::vector<std::string>& WindowsVersionPresetNames() {
    static const std::vector<std::string> names = {"95", "98", "ME", "NT4", "2000", "XP", "unknown"};
    return names;
}

std::string WindowsVersionName(const WindowsVersion& version) {
    for (const auto& [key, preset] : Presets())
        if (preset.platformId == version.platformId && preset.major == version.major &&
            preset.minor == version.minor)
            return key;
    return "custom";
}

bool IsNTFamily(const WindowsVersion& version) { return version.platformId == VER_PLATFORM_WIN32_NT; }
bool Is9xFamily(const WindowsVersion& version) { return version.platformId == VER_PLATFORM_WIN32_WINDOWS; }

bool GetVersionEx(OSVERSIONINFO& info) {
    if (info.dwOSVersionInfoSize != 148) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const WindowsVersion& v = CurrentMachine().Config().version;
    info.dwMajorVersion = v.major;
    info.dwMinorVersion = v.minor;
    info.dwPlatformId = v.platformId;
    info.dwBuildNumber = Is9xFamily(v) ? (v.major << 24) | (v.minor << 16) | (v.build & 0xFFFF) : v.build;
    info.szCSDVersion = v.servicePack;
    return true;
}

}  // namespace win32
