#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/module.h"
#include "win32/temp_files.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(Directories, CreateRemoveAndTheCurrentDirectory) {
    FreshMachine machine;
    EXPECT_TRUE(CreateDirectory("C:\\New Folder", nullptr));
    EXPECT_FALSE(CreateDirectory("c:\\new folder", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectory("C:\\a\\b", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

    ASSERT_TRUE(SetCurrentDirectory("c:\\NEW FOLDER"));
    EXPECT_EQ(GetCurrentDirectory(), "C:\\New Folder");
    EXPECT_EQ(GetFullPathName("x\\..\\y.txt"), "C:\\New Folder\\y.txt");
    EXPECT_EQ(GetFullPathName("sub\\"), "C:\\New Folder\\sub\\");
    MakeFile("relative.txt", "r");
    EXPECT_FALSE(RemoveDirectory("C:\\New Folder"));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    ASSERT_TRUE(SetCurrentDirectory("\\"));
    EXPECT_FALSE(RemoveDirectory("C:\\New Folder"));
    EXPECT_EQ(GetLastError(), ERROR_DIR_NOT_EMPTY);
    EXPECT_FALSE(RemoveDirectory("C:\\New Folder\\relative.txt"));
    EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
    EXPECT_FALSE(SetCurrentDirectory("C:\\New Folder\\relative.txt"));
    EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
}

TEST(Directories, SystemFoldersOfEachVersion) {
    struct Case {
        const char* version;
        const char* windows;
        const char* system;
        const char* temp;
    };
    for (const Case& c : {Case{"95", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\TEMP\\"},
                          Case{"NT4", "C:\\WINNT", "C:\\WINNT\\system32", "C:\\TEMP\\"},
                          Case{"2000", "C:\\WINNT", "C:\\WINNT\\system32",
                               "C:\\Documents and Settings\\Ann\\Local Settings\\Temp\\"},
                          Case{"XP", "C:\\WINDOWS", "C:\\WINDOWS\\system32",
                               "C:\\Documents and Settings\\Ann\\Local Settings\\Temp\\"}}) {
        FreshMachine machine(c.version, "Ann");
        EXPECT_EQ(GetWindowsDirectory(), c.windows);
        EXPECT_EQ(GetSystemDirectory(), c.system);
        EXPECT_EQ(GetTempPath(), c.temp);
    }
}

TEST(Directories, TemporaryFileNames) {
    FreshMachine machine;
    std::string first, second, named;
    const uint32_t a = GetTempFileName(GetTempPath(), "batch", 0, first);
    const uint32_t b = GetTempFileName(GetTempPath(), "batch", 0, second);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind(GetTempPath() + "bat", 0), 0u);
    EXPECT_EQ(first.substr(first.size() - 4), ".TMP");
    EXPECT_EQ(Content(first), "");  // the file is created
    EXPECT_EQ(GetTempFileName("C:\\", "q", 0x1A2B, named), 0x1A2Bu);
    EXPECT_EQ(named, "C:\\q1A2B.TMP");
    EXPECT_EQ(GetTempFileName("C:\\no such folder", "bat", 0, named), 0u);
    EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
}

TEST(Directories, TheProgramsOwnFolderIsSeenThroughZ) {
    FreshMachine machine;
    const std::string self = GetModuleFileName();
    EXPECT_EQ(self.rfind("Z:\\", 0), 0u) << self;
    EXPECT_NE(self.find("platform_win32_test_directories"), std::string::npos);
    EXPECT_EQ(GetProgramDirectory() + "\\platform_win32_test_directories", self);
}
