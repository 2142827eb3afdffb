#pragma once
// The Windows version a machine runs, the presets a machine can be made
// with, and GetVersionEx over the current machine.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

enum : uint32_t {
    VER_PLATFORM_WIN32s = 0,
    VER_PLATFORM_WIN32_WINDOWS = 1,
    VER_PLATFORM_WIN32_NT = 2,
};

struct WindowsVersion {
    uint32_t platformId = VER_PLATFORM_WIN32_NT;
    uint32_t major = 5;
    uint32_t minor = 1;
    uint32_t build = 2600;
    std::string servicePack = "Service Pack 2";  // empty on 9x

    bool operator==(const WindowsVersion&) const = default;
};

// The presets, by the names the machine tool takes: "95", "98", "ME", "NT4",
// "2000", "XP" and "unknown" (a later NT release no program knows).
std::optional<WindowsVersion> WindowsVersionPreset(const std::string& name);
const std::vector<std::string>& WindowsVersionPresetNames();
// The preset name of a version (compared by platform, major and minor), or
// "custom".
std::string WindowsVersionName(const WindowsVersion& version);

bool IsNTFamily(const WindowsVersion& version);
bool Is9xFamily(const WindowsVersion& version);

// The version record GetVersionEx fills (148 bytes on Windows).
struct OSVERSIONINFO {
    uint32_t dwOSVersionInfoSize = 148;
    uint32_t dwMajorVersion = 0;
    uint32_t dwMinorVersion = 0;
    uint32_t dwBuildNumber = 0;
    uint32_t dwPlatformId = 0;
    std::string szCSDVersion;
};

// Fills `info` from the current machine; fails with ERROR_INVALID_PARAMETER
// when dwOSVersionInfoSize is not 148. On 9x the build number carries the
// version in its high word, as there.
bool GetVersionEx(OSVERSIONINFO& info);

}  // namespace win32
