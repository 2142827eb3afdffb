#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "win32/errors.h"
#include "win32/paths.h"

using namespace win32;
using testsupport::FreshMachine;

TEST(Paths, ParsesAsWindowsDoes) {
    FreshMachine machine;
    SetCurrentDirectoryPath(*ParseWindowsPath("C:\\WINDOWS\\system32"));
    struct Case {
        const char* input;
        const char* full;
    };
    const Case cases[] = {
        {"C:\\a\\b.txt", "C:\\a\\b.txt"},
        {"c:/a/b.txt", "C:\\a\\b.txt"},
        {"C:\\a\\.\\b\\..\\c", "C:\\a\\c"},
        {"C:\\..\\..\\x", "C:\\x"},
        {"C:\\a. \\b.txt. . ", "C:\\a\\b.txt"},
        {"drivers\\etc", "C:\\WINDOWS\\system32\\drivers\\etc"},
        {"..\\Fonts", "C:\\WINDOWS\\Fonts"},
        {"\\TEMP", "C:\\TEMP"},
        {"C:", "C:\\WINDOWS\\system32"},
        {"C:x", "C:\\WINDOWS\\system32\\x"},
        {"A:x", "A:\\x"},
        {"z:\\home\\\\ann\\", "Z:\\home\\ann"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseWindowsPath(c.input);
        ASSERT_TRUE(parsed) << c.input;
        EXPECT_EQ(parsed->Text(), c.full) << c.input;
    }
}

TEST(Paths, RefusesBadPathsWithTheirErrors) {
    FreshMachine machine;
    struct Case {
        std::string input;
        uint32_t error;
    };
    const Case cases[] = {
        {"\\\\server\\share\\x", ERROR_BAD_NETPATH},
        {"//server/share", ERROR_BAD_NETPATH},
        {"C:\\a<b", ERROR_INVALID_NAME},
        {"C:\\a\\b?c", ERROR_INVALID_NAME},
        {"C:\\a|b\\c", ERROR_INVALID_NAME},
        {"", ERROR_PATH_NOT_FOUND},
        {"C:\\" + std::string(300, 'x'), ERROR_FILENAME_EXCED_RANGE},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_FALSE(ParseWindowsPath(c.input)) << c.input;
        EXPECT_EQ(GetLastError(), c.error) << c.input;
    }
    EXPECT_TRUE(ParseWindowsPath("C:\\dir\\*.t?t", true));
    EXPECT_FALSE(ParseWindowsPath("C:\\d*r\\x.txt", true));
    SetLastError(0);
    EXPECT_FALSE(ResolveWindowsPath("Q:\\x"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(Paths, ResolvesWithoutRegardToCaseAndKeepsTheCaseOfNewNames) {
    FreshMachine machine;
    const auto found = ResolveWindowsPath("c:\\PROGRAM FILES\\common files\\NewApp\\Readme.TXT");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path.Text(), "C:\\Program Files\\Common Files\\NewApp\\Readme.TXT");
    EXPECT_FALSE(found->exists);
    EXPECT_FALSE(found->parentExists);
    EXPECT_EQ(found->host, machine.Folder() / "drive_c" / "Program Files" / "Common Files" / "NewApp" / "Readme.TXT");

    const auto folder = ResolveWindowsPath("C:\\windows\\SYSTEM32");
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->exists);
    EXPECT_TRUE(folder->isDirectory);
    EXPECT_EQ(folder->path.Text(), "C:\\WINDOWS\\system32");
}

TEST(Paths, HostPathsAtTheEdges) {
    FreshMachine machine;
    EXPECT_EQ(HostToWindowsPath("/home/ann/x.qpx"), "Z:\\home\\ann\\x.qpx");
    EXPECT_EQ(HostToWindowsPath("/"), "Z:\\");
    EXPECT_EQ(HostToWindowsPath(machine.Folder() / "drive_c" / "WINDOWS" / "a b.txt"), "C:\\WINDOWS\\a b.txt");
    EXPECT_EQ(HostToWindowsPath(machine.Folder() / "drive_c"), "C:\\");
    EXPECT_EQ(HostToWindowsPath("/home/ann/caf\xc3\xa9.qpx"), "Z:\\home\\ann\\caf\xe9.qpx");
    EXPECT_EQ(*WindowsToHostPath("Z:\\home\\ann\\x.qpx"), std::filesystem::path("/home/ann/x.qpx"));
    EXPECT_EQ(*WindowsToHostPath("Z:\\tmp\\caf\xe9"), std::filesystem::path("/tmp/caf\xc3\xa9"));
    EXPECT_EQ(*WindowsToHostPath("c:\\windows"), machine.Folder() / "drive_c" / "WINDOWS");
}
