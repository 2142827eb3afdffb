#pragma once
// The machine's drives: C: (a folder of the machine), A: (a 1.44 MB floppy
// drive, floppy.h) and Z: (the host's "/"), with the drive queries of
// Windows. Root paths are given as "C:\" (or "C:"); an empty root means the
// drive of the current directory.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace win32 {

enum : uint32_t {
    DRIVE_UNKNOWN = 0,
    DRIVE_NO_ROOT_DIR = 1,
    DRIVE_REMOVABLE = 2,
    DRIVE_FIXED = 3,
    DRIVE_REMOTE = 4,
    DRIVE_CDROM = 5,
    DRIVE_RAMDISK = 6,
};

// The host folder of a drive's root; nullopt when the machine has no such
// drive.
std::optional<std::filesystem::path> DriveHostRoot(char drive);

uint32_t GetDriveType(const std::string& rootPath);
// Bit 0 for A:, bit 2 for C:, bit 25 for Z:.
uint32_t GetLogicalDrives();

bool GetDiskFreeSpace(const std::string& rootPath, uint32_t* sectorsPerCluster, uint32_t* bytesPerSector,
                      uint32_t* numberOfFreeClusters, uint32_t* totalNumberOfClusters);
bool GetDiskFreeSpaceEx(const std::string& directory, uint64_t* freeBytesAvailable, uint64_t* totalBytes,
                        uint64_t* totalFreeBytes);

// Free bytes of the drive that holds `drive` (for writes that must stop at
// a full disk); nullopt when the host cannot tell.
std::optional<int64_t> DriveFreeBytes(char drive);

bool GetVolumeInformation(const std::string& rootPath, std::string* volumeName, uint32_t* serialNumber,
                          uint32_t* maximumComponentLength, uint32_t* fileSystemFlags,
                          std::string* fileSystemName);

}  // namespace win32
