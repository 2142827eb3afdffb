#pragma once
// The class library's file routines over the machine's files. Names are
// Windows paths of the machine; relative names are taken from the current
// directory. Like the class library, these report failure by their result
// (false, -1 or an error code), never by an exception.

#include <cstdint>
#include <string>

// File attribute bits of FileGetAttr, FileSetAttr and FindFirst.
enum : int32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faVolumeID = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
    faAnyFile = 0x3F,
};

// True for an existing file (not a folder).
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& directory);
bool DeleteFile(const std::string& fileName);
bool RenameFile(const std::string& oldName, const std::string& newName);
bool CreateDir(const std::string& dir);
bool RemoveDir(const std::string& dir);
// Creates a folder with every missing parent; false for an empty name or
// when a folder cannot be created.
bool ForceDirectories(const std::string& dir);

// The file's last-write time as a DOS date and time in local time (date in
// the high word), or -1 when the file does not exist.
int32_t FileAge(const std::string& fileName);
// Sets the last-write time from a DOS date and time in local time; 0 or
// the Windows error code.
int32_t FileSetDate(const std::string& fileName, int32_t age);
// The attributes, or -1 when the file does not exist.
int32_t FileGetAttr(const std::string& fileName);
// 0 or the Windows error code.
int32_t FileSetAttr(const std::string& fileName, int32_t attr);

std::string GetCurrentDir();
bool SetCurrentDir(const std::string& dir);
// The full path of a name from the current directory ("..\x" -> "C:\x").
std::string ExpandFileName(const std::string& fileName);

// Free and total bytes of drive `drive` (0 the current drive, 1 A:, 3 C:);
// -1 for a drive that does not exist.
int64_t DiskFree(uint8_t drive);
int64_t DiskSize(uint8_t drive);
