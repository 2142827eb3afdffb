#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/drives.h"
#include "win32/errors.h"
#include "win32/floppy.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(Drives, TypesAndTheDriveMask) {
    FreshMachine machine;
    struct Case {
        const char* root;
        uint32_t type;
    };
    for (const Case& c : {Case{"A:\\", DRIVE_REMOVABLE}, Case{"c:", DRIVE_FIXED}, Case{"Z:/", DRIVE_FIXED},
                          Case{"D:\\", DRIVE_NO_ROOT_DIR}, Case{"C:\\WINDOWS", DRIVE_NO_ROOT_DIR},
                          Case{"", DRIVE_FIXED}})
        EXPECT_EQ(GetDriveType(c.root), c.type) << c.root;
    EXPECT_EQ(GetLogicalDrives(), (1u << 0) | (1u << 2) | (1u << 25));
}

TEST(Drives, FloppySpaceLabelsAndDiskChanges) {
    FreshMachine machine;
    uint32_t sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    ASSERT_TRUE(GetDiskFreeSpace("A:\\", &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters));
    EXPECT_EQ(uint64_t{sectorsPerCluster} * bytesPerSector * totalClusters, 1457664u);
    EXPECT_EQ(freeClusters, totalClusters);

    MakeFile("A:\\part.1", std::string(1000, 'x'));  // two sectors
    uint64_t available = 0, total = 0, free = 0;
    ASSERT_TRUE(GetDiskFreeSpaceEx("A:\\", &available, &total, &free));
    EXPECT_EQ(available, 1457664u - 1024u);

    EXPECT_EQ(InsertFloppy("Disk 2"), 2);
    std::string label, fileSystem;
    uint32_t serial = 0;
    ASSERT_TRUE(GetVolumeInformation("A:\\", &label, &serial, nullptr, nullptr, &fileSystem));
    EXPECT_EQ(label, "Disk 2");
    EXPECT_EQ(fileSystem, "FAT");
    EXPECT_EQ(Content("A:\\part.1"), "<unreadable>");  // another disk
    EXPECT_EQ(InsertFloppy("a label longer than eleven"), 3);
    GetVolumeInformation("A:\\", &label, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(label, "a label lon");
    EXPECT_EQ(InsertFloppy(""), 4);
    EXPECT_EQ(InsertFloppy("DISK 2"), 2);
    EXPECT_EQ(InsertedFloppyNumber(), 2);

    EXPECT_FALSE(GetVolumeInformation("Q:\\", &label, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(GetDiskFreeSpace("nonsense", nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
}

TEST(Drives, FixedDrivesReportTheHostSpace) {
    FreshMachine machine;
    uint64_t available = 0, total = 0, free = 0;
    ASSERT_TRUE(GetDiskFreeSpaceEx("C:\\WINDOWS", &available, &total, &free));
    EXPECT_GT(total, available);
    uint32_t spc = 0, bps = 0, freeClusters = 0, totalClusters = 0;
    ASSERT_TRUE(GetDiskFreeSpace("C:\\", &spc, &bps, &freeClusters, &totalClusters));
    EXPECT_LE(uint64_t{spc} * bps * totalClusters, 0x7FFFFFFFu);  // the old call stops at 2 GB
}
