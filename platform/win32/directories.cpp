#include "win32/directories.h"

#include <sys/stat.h>
#include <unistd.h>

#include "win32/drives.h"
#include "win32/errors.h"
#include "win32/floppy.h"
#include "win32/host_errors.h"
#include "win32/host_names.h"
#include "win32/machine.h"
#include "win32/machine_lock.h"
#include "win32/paths.h"
#include "win32/short_names.h"

namespace win32 {

namespace {
// A new folder must leave room for a file of 8.3 characters below it.
constexpr size_t kMaxFolderPath = MAX_PATH - 12;

// The current directory or one of its parents is `path` (compared as the
// resolved, real-case paths).
bool IsCurrentOrAbove(const WindowsPath& path) {
    const auto current = ResolvePath(CurrentDirectoryPath());
    if (!current || current->path.drive != path.drive || current->path.names.size() < path.names.size()) return false;
    for (size_t i = 0; i < path.names.size(); ++i)
        if (!SameName(current->path.names[i], path.names[i])) return false;
    return true;
}
}  // namespace

bool CreateDirectory(const std::string& pathName, void* securityAttributes) {
    if (securityAttributes != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    MachineLock lock;
    const auto resolved = ResolveWindowsPath(pathName);
    if (!resolved) return false;
    if (resolved->path.Text().size() >= kMaxFolderPath) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    if (resolved->path.IsRoot()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (resolved->exists) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return false;
    }
    if (!resolved->parentExists) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    if (resolved->path.drive == 'A' && FloppyUsedBytes() + kFloppySectorSize > kFloppyCapacity) {
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    if (mkdir(resolved->host.c_str(), 0777) != 0) return FailFromErrno();
    ShortNameOf(resolved->host.parent_path(), resolved->path.Name());
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool RemoveDirectory(const std::string& pathName) {
    MachineLock lock;
    const auto resolved = ResolveExisting(pathName);
    if (!resolved) return false;
    if (!resolved->isDirectory) {
        SetLastError(ERROR_DIRECTORY);
        return false;
    }
    if (resolved->path.IsRoot()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (IsCurrentOrAbove(resolved->path)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return false;
    }
    if (rmdir(resolved->host.c_str()) != 0) return FailFromErrno();
    SetLastError(ERROR_SUCCESS);
    return true;
}

std::string GetCurrentDirectory() { return CurrentDirectoryPath().Text(); }

bool SetCurrentDirectory(const std::string& pathName) {
    const auto resolved = ResolveExisting(pathName);
    if (!resolved) return false;
    if (!resolved->isDirectory) {
        SetLastError(ERROR_DIRECTORY);
        return false;
    }
    SetCurrentDirectoryPath(resolved->path);
    SetLastError(ERROR_SUCCESS);
    return true;
}

std::string GetFullPathName(const std::string& fileName) {
    const auto parsed = ParseWindowsPath(fileName, true);
    if (!parsed) return "";
    std::string full = parsed->Text();
    const char last = fileName.empty() ? '\0' : fileName.back();
    if ((last == '\\' || last == '/') && full.back() != '\\') full += '\\';
    SetLastError(ERROR_SUCCESS);
    return full;
}

std::string GetWindowsDirectory() { return CurrentMachine().Layout().windows; }
std::string GetSystemDirectory() { return CurrentMachine().Layout().system; }
std::string GetTempPath() { return CurrentMachine().Layout().temp + "\\"; }

}  // namespace win32
