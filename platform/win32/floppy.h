#pragma once
// Drive A: of the machine: a 1.44 MB floppy drive whose disk can be changed.
// The disks are folders "floppies/1", "floppies/2", ... of the machine
// folder with their volume labels beside them ("1.label"); the file
// "floppies/inserted" names the disk in the drive. Writes beyond a disk's
// capacity fail with ERROR_DISK_FULL, so a file spans several disks the way
// it does on a real floppy drive.

#include <cstdint>
#include <filesystem>
#include <string>

namespace win32 {

// Bytes on a 3.5" high-density floppy (2847 sectors of 512 bytes).
inline constexpr int64_t kFloppyCapacity = 1457664;
inline constexpr int64_t kFloppySectorSize = 512;

// Creates the disk store of a new machine: one empty disk without label, in
// the drive.
void CreateFloppyStore(const std::filesystem::path& floppies);

// Host folder of the disk in drive A: of the current machine.
std::filesystem::path InsertedFloppyFolder();
// Volume label of the disk in the drive (empty when it has none).
std::string InsertedFloppyLabel();
int InsertedFloppyNumber();

// Puts another disk into drive A: the stored disk labelled `label` when
// there is one (compared without regard to case), else a new empty disk with
// that label (none when `label` is empty). Returns the disk's number.
// Labels longer than 11 characters are cut as Windows cuts them.
int InsertFloppy(const std::string& label);

// Bytes in use on the disk in the drive: every file rounded up to whole
// sectors, and one sector per folder.
int64_t FloppyUsedBytes();

}  // namespace win32
