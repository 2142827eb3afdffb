#include "win32/file_operations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "win32/attribute_store.h"
#include "win32/attributes.h"
#include "win32/delayed_moves.h"
#include "win32/errors.h"
#include "win32/file_times.h"
#include "win32/files.h"
#include "win32/host_errors.h"
#include "win32/machine_lock.h"
#include "win32/paths.h"
#include "win32/share_locks.h"
#include "win32/short_names.h"

namespace win32 {

namespace {
bool Fail(uint32_t error) {
    SetLastError(error);
    return false;
}

bool IsReadOnly(const ResolvedPath& path) {
    return !path.isDirectory && (ReadHostAttributes(path.host) & FILE_ATTRIBUTE_READONLY);
}

// Copies the bytes through the machine's file calls so that a full floppy
// stops the copy; a partial destination is removed.
bool CopyContent(const ResolvedPath& source, const std::string& destination, bool failIfExists) {
    const HANDLE in = CreateFile(source.path.Text(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE) return false;
    const HANDLE out = CreateFile(destination, GENERIC_WRITE, 0, nullptr, failIfExists ? CREATE_NEW : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        const uint32_t error = GetLastError();
        CloseHandle(in);
        return Fail(error);
    }
    char block[65536];
    uint32_t read = 0, written = 0;
    bool ok = true;
    while ((ok = ReadFile(in, block, sizeof block, &read, nullptr)) && read > 0)
        if (!(ok = WriteFile(out, block, read, &written, nullptr))) break;
    uint32_t error = GetLastError();
    FILETIME writeTime;
    if (ok && GetFileTime(in, nullptr, nullptr, &writeTime)) ok = SetFileTime(out, nullptr, nullptr, &writeTime);
    if (!ok) error = GetLastError() ? GetLastError() : error;
    CloseHandle(out);
    CloseHandle(in);
    const auto target = ResolveWindowsPath(destination);
    if (!ok) {
        if (target) unlink(target->host.c_str());
        return Fail(error);
    }
    if (target) WriteHostAttributes(target->host, ReadHostAttributes(source.host) & ~FILE_ATTRIBUTE_NORMAL);
    SetLastError(ERROR_SUCCESS);
    return true;
}
}  // namespace

bool DeleteFile(const std::string& fileName) {
    MachineLock lock;
    const auto file = ResolveExisting(fileName);
    if (!file) return false;
    if (file->isDirectory || IsReadOnly(*file)) return Fail(ERROR_ACCESS_DENIED);
    if (!RightsAvailable(file->host, kRightDelete)) return Fail(ERROR_SHARING_VIOLATION);
    if (unlink(file->host.c_str()) != 0) return FailFromErrno();
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool MoveFile(const std::string& existingFileName, const std::string& newFileName) {
    return MoveFileEx(existingFileName, newFileName, 0);
}

bool MoveFileEx(const std::string& existingFileName, const std::optional<std::string>& newFileName, uint32_t flags) {
    if (flags & MOVEFILE_DELAY_UNTIL_REBOOT)
        return RecordDelayedMove(existingFileName, newFileName, (flags & MOVEFILE_REPLACE_EXISTING) != 0);
    if (!newFileName) return Fail(ERROR_INVALID_PARAMETER);
    MachineLock lock;
    const auto source = ResolveExisting(existingFileName);
    if (!source) return false;
    const auto target = ResolveWindowsPath(*newFileName);
    if (!target) return false;
    if (!target->parentExists) return Fail(ERROR_PATH_NOT_FOUND);
    if (source->path.IsRoot()) return Fail(ERROR_ACCESS_DENIED);
    const bool sameEntry = target->exists && source->host == target->host;
    if (target->exists && !sameEntry) {
        if (!(flags & MOVEFILE_REPLACE_EXISTING)) return Fail(ERROR_ALREADY_EXISTS);
        if (target->isDirectory || source->isDirectory || IsReadOnly(*target)) return Fail(ERROR_ACCESS_DENIED);
        if (!RightsAvailable(target->host, kRightDelete)) return Fail(ERROR_SHARING_VIOLATION);
    }
    if (!source->isDirectory && !RightsAvailable(source->host, kRightDelete)) return Fail(ERROR_SHARING_VIOLATION);
    const bool otherDrive = source->path.drive != target->path.drive;
    if (!otherDrive && std::rename(source->host.c_str(), target->host.c_str()) == 0) {
        ForgetShortName(target->host);
        ShortNameOf(target->host.parent_path(), target->path.Name());
        SetLastError(ERROR_SUCCESS);
        return true;
    }
    if (!otherDrive && errno != EXDEV) return FailFromErrno();
    if (!(flags & MOVEFILE_COPY_ALLOWED) || source->isDirectory) return Fail(ERROR_NOT_SAME_DEVICE);
    if (!CopyContent(*source, target->path.Text(), false)) return false;
    if (unlink(source->host.c_str()) != 0) return FailFromErrno();
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool CopyFile(const std::string& existingFileName, const std::string& newFileName, bool failIfExists) {
    const auto source = ResolveExisting(existingFileName);
    if (!source) return false;
    if (source->isDirectory) return Fail(ERROR_ACCESS_DENIED);
    const auto target = ResolveWindowsPath(newFileName);
    if (!target) return false;
    if (target->exists && target->host == source->host) return Fail(ERROR_SHARING_VIOLATION);
    if (target->exists && !failIfExists && IsReadOnly(*target)) return Fail(ERROR_ACCESS_DENIED);
    return CopyContent(*source, newFileName, failIfExists);
}

}  // namespace win32
