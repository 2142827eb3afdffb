#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/delayed_moves.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/profile_files.h"

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
    const std::string stored = testsupport::ReadHostFile(machine.Folder() / kPendingRenamesFile);
    EXPECT_NE(stored.find("\\??\\C:\\WINDOWS\\new.1\r\n!\\??\\C:\\windows\\app.dll\r\n"), std::string::npos);
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
