#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "vcl/files/file_routines.h"
#include "vcl/files/inout_error.h"
#include "vcl/files/search.h"
#include "win32/errors.h"
#include "win32/file_contents.h"

using testsupport::FreshMachine;

TEST(FileRoutines, ExistenceFoldersAndRenames) {
    FreshMachine machine;
    EXPECT_TRUE(DirectoryExists("c:\\windows"));
    EXPECT_FALSE(FileExists("C:\\WINDOWS"));
    EXPECT_TRUE(ForceDirectories("C:\\Program Files\\Tarn\\Quillery\\Tools"));
    EXPECT_TRUE(DirectoryExists("C:\\PROGRAM FILES\\TARN\\QUILLERY\\TOOLS"));
    EXPECT_FALSE(ForceDirectories(""));
    ASSERT_TRUE(win32::WriteWholeFile("C:\\Program Files\\Tarn\\a.txt", "a"));
    EXPECT_TRUE(FileExists("C:\\Program Files\\Tarn\\A.TXT"));
    EXPECT_TRUE(RenameFile("C:\\Program Files\\Tarn\\a.txt", "C:\\Program Files\\Tarn\\b.txt"));
    EXPECT_FALSE(FileExists("C:\\Program Files\\Tarn\\a.txt"));
    EXPECT_FALSE(RemoveDir("C:\\Program Files\\Tarn"));
    EXPECT_TRUE(DeleteFile("C:\\Program Files\\Tarn\\b.txt"));
    EXPECT_FALSE(DeleteFile("C:\\Program Files\\Tarn\\b.txt"));
    EXPECT_TRUE(SetCurrentDir("C:\\Program Files\\Tarn"));
    EXPECT_EQ(GetCurrentDir(), "C:\\Program Files\\Tarn");
    EXPECT_EQ(ExpandFileName("..\\x.txt"), "C:\\Program Files\\x.txt");
    EXPECT_TRUE(CreateDir("New"));
    EXPECT_TRUE(DirectoryExists("C:\\Program Files\\Tarn\\New"));
}

TEST(FileRoutines, DatesAttributesAndDisks) {
    FreshMachine machine;
    ASSERT_TRUE(win32::WriteWholeFile("C:\\dated.txt", "x"));
    const int32_t age = (((2004 - 1980) << 9 | 3 << 5 | 14) << 16) | (9 << 11 | 26 << 5 | 53 / 2);
    EXPECT_EQ(FileSetDate("C:\\dated.txt", age), 0);
    EXPECT_EQ(FileAge("C:\\dated.txt"), age);
    EXPECT_EQ(FileAge("C:\\missing.txt"), -1);
    EXPECT_EQ(FileSetDate("C:\\missing.txt", age), static_cast<int32_t>(win32::ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FileSetAttr("C:\\dated.txt", faReadOnly | faHidden), 0);
    EXPECT_EQ(FileGetAttr("C:\\dated.txt"), faReadOnly | faHidden);
    EXPECT_FALSE(DeleteFile("C:\\dated.txt"));
    EXPECT_EQ(FileGetAttr("C:\\nothing"), -1);
    EXPECT_EQ(DiskSize(1), 1457664);
    EXPECT_EQ(DiskFree(1), 1457664);
    EXPECT_GT(DiskSize(3), 0);
    EXPECT_EQ(DiskFree(4), -1);
}

TEST(FileRoutines, SearchHonoursTheAttributeMask) {
    FreshMachine machine;
    ASSERT_TRUE(ForceDirectories("C:\\s\\folder"));
    ASSERT_TRUE(win32::WriteWholeFile("C:\\s\\plain.txt", "12345"));
    ASSERT_TRUE(win32::WriteWholeFile("C:\\s\\secret.txt", ""));
    FileSetAttr("C:\\s\\secret.txt", faHidden);
    auto names = [](int32_t attr) {
        std::vector<std::string> found;
        TSearchRec rec;
        for (int32_t r = FindFirst("C:\\s\\*.*", attr, rec); r == 0; r = FindNext(rec)) found.push_back(rec.Name);
        FindClose(rec);
        return found;
    };
    EXPECT_EQ(names(0), (std::vector<std::string>{"plain.txt"}));
    EXPECT_EQ(names(faDirectory), (std::vector<std::string>{".", "..", "folder", "plain.txt"}));
    EXPECT_EQ(names(faAnyFile), (std::vector<std::string>{".", "..", "folder", "plain.txt", "secret.txt"}));
    TSearchRec rec;
    ASSERT_EQ(FindFirst("C:\\s\\plain.txt", faAnyFile, rec), 0);
    EXPECT_EQ(rec.Size, 5);
    EXPECT_EQ(rec.Attr, faArchive);
    FindClose(rec);
    EXPECT_EQ(FindFirst("C:\\s\\*.doc", faAnyFile, rec), static_cast<int32_t>(win32::ERROR_FILE_NOT_FOUND));
}

TEST(FileRoutines, InOutErrorsCarryTheShortTexts) {
    struct Case {
        uint32_t code;
        const char* text;
    };
    for (const Case& c : {Case{win32::ERROR_FILE_NOT_FOUND, "File not found"},
                          Case{win32::ERROR_ACCESS_DENIED, "File access denied"},
                          Case{win32::ERROR_DISK_FULL, "Disk full"}}) {
        try {
            win32::SetLastError(c.code);
            RaiseLastInOutError();
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode, static_cast<int>(c.code));
            EXPECT_EQ(e.Message(), c.text);
        }
    }
}
