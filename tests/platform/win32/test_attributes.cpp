#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/files.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(Attributes, SetAndReadBack) {
    FreshMachine machine;
    MakeFile("C:\\f.txt", "x");
    EXPECT_EQ(GetFileAttributes("C:\\f.txt"), FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(GetFileAttributes("C:\\WINDOWS"), FILE_ATTRIBUTE_DIRECTORY);
    for (uint32_t attributes : std::vector<uint32_t>{FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
                                FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN}) {
        ASSERT_TRUE(SetFileAttributes("c:\\F.TXT", attributes));
        EXPECT_EQ(GetFileAttributes("C:\\f.txt"), attributes);
    }
    ASSERT_TRUE(SetFileAttributes("C:\\f.txt", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributes("C:\\f.txt"), FILE_ATTRIBUTE_NORMAL);
    // Writing to a file sets its archive attribute again.
    const HANDLE file = Open("C:\\f.txt", GENERIC_WRITE, 0, OPEN_EXISTING);
    uint32_t written = 0;
    WriteFile(file, "y", 1, &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(GetFileAttributes("C:\\f.txt"), FILE_ATTRIBUTE_ARCHIVE);

    EXPECT_EQ(GetFileAttributes("C:\\none"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributes("C:\\none\\x"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(SetFileAttributes("C:\\none", FILE_ATTRIBUTE_HIDDEN));
}
