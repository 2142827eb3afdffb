#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/delayed_moves.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/profile_files.h"
#include "win32/registry/registry.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(DelayedMoves, NtFamilyKeepsThePendingRenameList) {
    FreshMachine machine("XP");
    MakeFile("C:\\WINDOWS\\new.1", "new");
    ASSERT_TRUE(MoveFileEx("C:\\WINDOWS\\new.1", "c:\\windows\\app.dll",
                           MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING));
    ASSERT_TRUE(MoveFileEx("C:\\WINDOWS\\gone.tmp", std::nullopt, MOVEFILE_DELAY_UNTIL_REBOOT));
    ASSERT_TRUE(MoveFileEx("C:\\a", "C:\\b", MOVEFILE_DELAY_UNTIL_REBOOT));
    EXPECT_EQ(Content("C:\\WINDOWS\\new.1"), "new");  // nothing moves now
    const std::vector<PendingMove> expected = {
        {"C:\\WINDOWS\\new.1", "C:\\windows\\app.dll", true},
        {"C:\\WINDOWS\\gone.tmp", "", false},
        {"C:\\a", "C:\\b", false},
    };
    EXPECT_EQ(PendingFileRenameOperations(), expected);
    // Stored as Windows stores it: a multi-string whose deletion entry is an
    // empty string inside the list.
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ,
                           &key),
              ERROR_SUCCESS);
    uint32_t type = 0;
    uint8_t data[512];
    uint32_t size = sizeof data;
    ASSERT_EQ(RegQueryValueEx(key, "PendingFileRenameOperations", nullptr, &type, data, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, REG_MULTI_SZ);
    using namespace std::string_literals;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size),
              "\\??\\C:\\WINDOWS\\new.1\0!\\??\\C:\\windows\\app.dll\0\\??\\C:\\WINDOWS\\gone.tmp\0\0"
              "\\??\\C:\\a\0\\??\\C:\\b\0\0"s);
    ClearPendingFileRenameOperations();
    EXPECT_TRUE(PendingFileRenameOperations().empty());
}

TEST(DelayedMoves, NineXFamilyWritesWininitRenameWithShortPaths) {
    FreshMachine machine("98");
    ASSERT_TRUE(CreateDirectoryForTest("C:\\Program Files\\My Application"));
    MakeFile("C:\\Program Files\\My Application\\Library.dll", "old");
    MakeFile("C:\\Program Files\\My Application\\Library.1", "new");
    ASSERT_TRUE(MoveFileEx("C:\\Program Files\\My Application\\Library.1",
                           "C:\\Program Files\\My Application\\Library.dll",
                           MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING));
    ASSERT_TRUE(MoveFileEx("C:\\Program Files\\My Application\\Library.1", std::nullopt, MOVEFILE_DELAY_UNTIL_REBOOT));
    EXPECT_EQ(Content("C:\\WINDOWS\\WININIT.INI"),
              "[Rename]\r\nC:\\PROGRA~1\\MYAPPL~1\\LIBRARY.DLL=C:\\PROGRA~1\\MYAPPL~1\\LIBRARY.1\r\n"
              "NUL=C:\\PROGRA~1\\MYAPPL~1\\LIBRARY.1\r\n");
    EXPECT_TRUE(PendingFileRenameOperations().empty());
}
