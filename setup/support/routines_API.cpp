#include "support/routines_API.h"

#include "win32/directories.h"
#include "win32/file_operations.h"
#include "win32/short_paths.h"
#include "win32/temp_files.h"
#include "win32/windows_version.h"

TOSVerType CurrentOS() {
    win32::OSVERSIONINFO info;
    info.dwOSVersionInfoSize = 148;
    if (!win32::GetVersionEx(info))
        throw EAPIRoutines("Could not get information about the current version of Windows");
    switch (info.dwPlatformId) {
        case win32::VER_PLATFORM_WIN32s:
            return os31win32;
        case win32::VER_PLATFORM_WIN32_WINDOWS:
            if (info.dwMinorVersion == 0) return oswin95;
            if (info.dwMinorVersion == 90) return oswinME;
            return oswin98;
        case win32::VER_PLATFORM_WIN32_NT:
            if (info.dwMajorVersion < 4) return oswinNT351;
            if (info.dwMajorVersion == 4) return oswinNT;
            if (info.dwMajorVersion == 5) return info.dwMinorVersion == 0 ? oswin2K : oswinXP;
            return osUnidentified;
        default:
            return osUnidentified;
    }
}

bool IsNTFamily(TOSVerType os) { return NTFamilyOS.Contains(os); }
bool Is9xFamily(TOSVerType os) { return Win9xFamilyOS.Contains(os); }

std::string GetSystemDir() {
    std::string dir = win32::GetSystemDirectory();
    if (dir.empty() || dir.size() > 260)
        throw EAPIRoutines("Could not retrieve the system directroy from windows");
    return dir;
}

std::string GetWindowsDir() {
    std::string dir = win32::GetWindowsDirectory();
    if (dir.empty() || dir.size() > 260)
        throw EAPIRoutines("Could not retrieve the windows directory from windows");
    return dir;
}

std::string NewTempFileName(bool nameOnly) {
    std::string name;
    const std::string folder = win32::GetTempPath();
    if (folder.empty() || folder.size() > 260 || win32::GetTempFileName(folder, "bat", 0, name) == 0)
        throw EAPIRoutines("Cannot create a temporary file");
    if (nameOnly) win32::DeleteFile(name);
    return name;
}

std::string ShortPath(const std::string& path) {
    std::string shortPath = win32::GetShortPathName(path);
    return shortPath.empty() || shortPath.size() > 400 ? path : shortPath;
}
