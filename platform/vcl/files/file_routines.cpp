#include "vcl/files/file_routines.h"

#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/drives.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/file_times.h"
#include "win32/files.h"
#include "win32/paths.h"

namespace {
uint32_t Attributes(const std::string& name) { return win32::GetFileAttributes(name); }

std::string DriveRoot(uint8_t drive) {
    if (drive == 0) return "";
    return std::string{static_cast<char>('A' + drive - 1), ':', '\\'};
}
}  // namespace

bool FileExists(const std::string& fileName) {
    const uint32_t attributes = Attributes(fileName);
    return attributes != win32::INVALID_FILE_ATTRIBUTES && !(attributes & win32::FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& directory) {
    const uint32_t attributes = Attributes(directory);
    return attributes != win32::INVALID_FILE_ATTRIBUTES && (attributes & win32::FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteFile(const std::string& fileName) { return win32::DeleteFile(fileName); }
bool RenameFile(const std::string& oldName, const std::string& newName) { return win32::MoveFile(oldName, newName); }
bool CreateDir(const std::string& dir) { return win32::CreateDirectory(dir, nullptr); }
bool RemoveDir(const std::string& dir) { return win32::RemoveDirectory(dir); }

bool ForceDirectories(const std::string& dir) {
    const auto path = win32::ParseWindowsPath(dir);
    if (dir.empty() || !path) return false;
    win32::WindowsPath folder{path->drive, {}};
    for (const std::string& name : path->names) {
        folder = folder.Child(name);
        if (!DirectoryExists(folder.Text()) && !CreateDir(folder.Text())) return false;
    }
    return true;
}

int32_t FileAge(const std::string& fileName) {
    const win32::HANDLE file = win32::CreateFile(fileName, win32::GENERIC_READ,
                                                 win32::FILE_SHARE_READ | win32::FILE_SHARE_WRITE, nullptr,
                                                 win32::OPEN_EXISTING, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE) return -1;
    win32::FILETIME written, local;
    uint16_t date = 0, time = 0;
    const bool ok = win32::GetFileTime(file, nullptr, nullptr, &written) &&
                    win32::FileTimeToLocalFileTime(&written, &local) &&
                    win32::FileTimeToDosDateTime(&local, &date, &time);
    win32::CloseHandle(file);
    return ok ? static_cast<int32_t>((uint32_t{date} << 16) | time) : -1;
}

int32_t FileSetDate(const std::string& fileName, int32_t age) {
    const win32::HANDLE file = win32::CreateFile(fileName, win32::GENERIC_WRITE, win32::FILE_SHARE_READ, nullptr,
                                                 win32::OPEN_EXISTING, win32::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win32::INVALID_HANDLE_VALUE) return static_cast<int32_t>(win32::GetLastError());
    win32::FILETIME local, written;
    const auto dos = static_cast<uint32_t>(age);
    const bool ok = win32::DosDateTimeToFileTime(static_cast<uint16_t>(dos >> 16), static_cast<uint16_t>(dos), &local) &&
                    win32::LocalFileTimeToFileTime(&local, &written) &&
                    win32::SetFileTime(file, nullptr, nullptr, &written);
    const uint32_t error = ok ? 0 : win32::GetLastError();
    win32::CloseHandle(file);
    return static_cast<int32_t>(error);
}

int32_t FileGetAttr(const std::string& fileName) {
    const uint32_t attributes = Attributes(fileName);
    return attributes == win32::INVALID_FILE_ATTRIBUTES ? -1 : static_cast<int32_t>(attributes);
}

int32_t FileSetAttr(const std::string& fileName, int32_t attr) {
    return win32::SetFileAttributes(fileName, static_cast<uint32_t>(attr)) ? 0
                                                                           : static_cast<int32_t>(win32::GetLastError());
}

std::string GetCurrentDir() { return win32::GetCurrentDirectory(); }
bool SetCurrentDir(const std::string& dir) { return win32::SetCurrentDirectory(dir); }

std::string ExpandFileName(const std::string& fileName) { return win32::GetFullPathName(fileName); }

int64_t DiskFree(uint8_t drive) {
    uint64_t available = 0, total = 0, free = 0;
    if (!win32::GetDiskFreeSpaceEx(DriveRoot(drive), &available, &total, &free)) return -1;
    return static_cast<int64_t>(available);
}

int64_t DiskSize(uint8_t drive) {
    uint64_t available = 0, total = 0, free = 0;
    if (!win32::GetDiskFreeSpaceEx(DriveRoot(drive), &available, &total, &free)) return -1;
    return static_cast<int64_t>(total);
}
