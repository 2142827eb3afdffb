#include "win32/drives.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cctype>

#include "win32/errors.h"
#include "win32/floppy.h"
#include "win32/machine.h"
#include "win32/paths.h"

namespace win32 {

namespace fs = std::filesystem;

namespace {
// The drive letter a root path names: "C:\", "c:", "C:/"; the current
// drive for an empty text; 0 for anything else.
char RootDrive(const std::string& root) {
    if (root.empty()) return CurrentDirectoryPath().drive;
    if (root.size() < 2 || root[1] != ':' || !std::isalpha(static_cast<unsigned char>(root[0]))) return 0;
    if (root.size() > 3 || (root.size() == 3 && root[2] != '\\' && root[2] != '/')) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
}

struct Space {
    uint64_t total = 0;
    uint64_t free = 0;
    uint32_t bytesPerSector = 512;
    uint32_t sectorsPerCluster = 8;
};

std::optional<Space> DriveSpace(char drive) {
    if (drive == 'A') {
        const int64_t used = FloppyUsedBytes();
        return Space{kFloppyCapacity, static_cast<uint64_t>(std::max<int64_t>(0, kFloppyCapacity - used)), 512, 1};
    }
    const auto root = DriveHostRoot(drive);
    struct statvfs info {};
    if (!root || statvfs(root->c_str(), &info) != 0) return std::nullopt;
    return Space{static_cast<uint64_t>(info.f_blocks) * info.f_frsize,
                 static_cast<uint64_t>(info.f_bavail) * info.f_frsize, 512, 8};
}
}  // namespace

std::optional<fs::path> DriveHostRoot(char drive) {
    switch (std::toupper(static_cast<unsigned char>(drive))) {
        case 'A': return InsertedFloppyFolder();
        case 'C': return CurrentMachine().DriveCFolder();
        case 'Z': return fs::path("/");
        default: return std::nullopt;
    }
}

uint32_t GetDriveType(const std::string& rootPath) {
    switch (RootDrive(rootPath)) {
        case 'A': return DRIVE_REMOVABLE;
        case 'C': return DRIVE_FIXED;
        case 'Z': return DRIVE_FIXED;
        default: return DRIVE_NO_ROOT_DIR;
    }
}

uint32_t GetLogicalDrives() { return (1u << 0) | (1u << 2) | (1u << 25); }

std::optional<int64_t> DriveFreeBytes(char drive) {
    const auto space = DriveSpace(drive);
    if (!space) return std::nullopt;
    return static_cast<int64_t>(space->free);
}

bool GetDiskFreeSpace(const std::string& rootPath, uint32_t* sectorsPerCluster, uint32_t* bytesPerSector,
                      uint32_t* numberOfFreeClusters, uint32_t* totalNumberOfClusters) {
    const char drive = RootDrive(rootPath);
    const auto space = drive ? DriveSpace(drive) : std::nullopt;
    if (!space) {
        SetLastError(drive ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_NAME);
        return false;
    }
    // The old call reports at most 2 GB, as Windows does for large disks.
    const uint64_t cluster = uint64_t{space->bytesPerSector} * space->sectorsPerCluster;
    const uint64_t limit = 0x7FFFFFFFull / cluster;
    if (sectorsPerCluster) *sectorsPerCluster = space->sectorsPerCluster;
    if (bytesPerSector) *bytesPerSector = space->bytesPerSector;
    if (numberOfFreeClusters) *numberOfFreeClusters = static_cast<uint32_t>(std::min(space->free / cluster, limit));
    if (totalNumberOfClusters)
        *totalNumberOfClusters = static_cast<uint32_t>(std::min(space->total / cluster, limit));
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool GetDiskFreeSpaceEx(const std::string& directory, uint64_t* freeBytesAvailable, uint64_t* totalBytes,
                        uint64_t* totalFreeBytes) {
    const auto path = ParseWindowsPath(directory.empty() ? CurrentDirectoryPath().Text() : directory);
    if (!path) return false;
    const auto space = DriveSpace(path->drive);
    if (!space) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    if (freeBytesAvailable) *freeBytesAvailable = space->free;
    if (totalBytes) *totalBytes = space->total;
    if (totalFreeBytes) *totalFreeBytes = space->free;
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool GetVolumeInformation(const std::string& rootPath, std::string* volumeName, uint32_t* serialNumber,
                          uint32_t* maximumComponentLength, uint32_t* fileSystemFlags,
                          std::string* fileSystemName) {
    const char drive = RootDrive(rootPath);
    if (drive != 'A' && drive != 'C' && drive != 'Z') {
        SetLastError(drive ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_NAME);
        return false;
    }
    constexpr uint32_t kCaseIsPreserved = 0x2, kUnicodeOnDisk = 0x4;
    if (volumeName) *volumeName = drive == 'A' ? InsertedFloppyLabel() : drive == 'C' ? "" : "ROOT";
    if (serialNumber) *serialNumber = drive == 'A' ? 0x1A2B0000u + static_cast<uint32_t>(InsertedFloppyNumber())
                                                   : drive == 'C' ? 0x0C0FFEE1u : 0x00005A5Au;
    if (maximumComponentLength) *maximumComponentLength = 255;
    if (fileSystemFlags) *fileSystemFlags = drive == 'A' ? kCaseIsPreserved : kCaseIsPreserved | kUnicodeOnDisk;
    if (fileSystemName) *fileSystemName = drive == 'A' ? "FAT" : "NTFS";
    SetLastError(ERROR_SUCCESS);
    return true;
}

}  // namespace win32
