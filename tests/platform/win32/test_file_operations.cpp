#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/file_times.h"
#include "win32/files.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(FileOperations, DeleteRefusesReadOnlyFoldersAndFilesInUse) {
    FreshMachine machine;
    MakeFile("C:\\a.txt", "a");
    SetFileAttributes("C:\\a.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(DeleteFile("C:\\a.txt"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    SetFileAttributes("C:\\a.txt", FILE_ATTRIBUTE_NORMAL);

    const HANDLE held = Open("C:\\A.TXT", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    EXPECT_FALSE(DeleteFile("C:\\a.txt"));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    CloseHandle(held);
    const HANDLE sharing = Open("C:\\a.txt", GENERIC_READ, FILE_SHARE_DELETE, OPEN_EXISTING);
    EXPECT_TRUE(DeleteFile("C:\\a.txt"));
    CloseHandle(sharing);

    EXPECT_FALSE(DeleteFile("C:\\a.txt"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DeleteFile("C:\\nodir\\a.txt"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(DeleteFile("C:\\WINDOWS"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST(FileOperations, MoveAndReplace) {
    FreshMachine machine;
    MakeFile("C:\\old.txt", "old");
    MakeFile("C:\\new.txt", "new");
    EXPECT_FALSE(MoveFile("C:\\new.txt", "C:\\old.txt"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);

    const HANDLE inUse = Open("C:\\old.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    EXPECT_FALSE(MoveFileEx("C:\\new.txt", "C:\\old.txt", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    CloseHandle(inUse);
    SetFileAttributes("C:\\old.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(MoveFileEx("C:\\new.txt", "C:\\old.txt", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    SetFileAttributes("C:\\old.txt", FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(MoveFileEx("C:\\new.txt", "C:\\old.txt", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(Content("C:\\old.txt"), "new");
    EXPECT_EQ(GetFileAttributes("C:\\new.txt"), INVALID_FILE_ATTRIBUTES);

    EXPECT_TRUE(MoveFile("C:\\old.txt", "C:\\WINDOWS\\Moved Here.txt"));
    EXPECT_EQ(Content("c:\\windows\\moved here.TXT"), "new");
    EXPECT_FALSE(MoveFile("C:\\WINDOWS\\Moved Here.txt", "C:\\missing\\x.txt"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_TRUE(MoveFile("C:\\WINDOWS\\Moved Here.txt", "C:\\WINDOWS\\MOVED HERE.TXT"));  // a change of case
    EXPECT_EQ(GetFileAttributes("C:\\WINDOWS\\MOVED HERE.TXT") & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(FileOperations, MoveToAnotherDriveOnlyWhenCopyingIsAllowed) {
    FreshMachine machine;
    MakeFile("C:\\disk1.bin", "content");
    EXPECT_FALSE(MoveFile("C:\\disk1.bin", "A:\\disk1.bin"));
    EXPECT_EQ(GetLastError(), ERROR_NOT_SAME_DEVICE);
    EXPECT_TRUE(MoveFileEx("C:\\disk1.bin", "A:\\disk1.bin", MOVEFILE_COPY_ALLOWED));
    EXPECT_EQ(Content("A:\\disk1.bin"), "content");
    EXPECT_EQ(GetFileAttributes("C:\\disk1.bin"), INVALID_FILE_ATTRIBUTES);
}

TEST(FileOperations, CopyKeepsAttributesAndDateAndCleansUpAFailedCopy) {
    FreshMachine machine;
    MakeFile("C:\\src.txt", "source");
    const HANDLE file = Open("C:\\src.txt", GENERIC_WRITE, 0, OPEN_EXISTING);
    SYSTEMTIME when{1999, 12, 0, 31, 23, 59, 58, 0};
    FILETIME stamp;
    ASSERT_TRUE(SystemTimeToFileTime(&when, &stamp));
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &stamp));
    CloseHandle(file);
    SetFileAttributes("C:\\src.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

    EXPECT_TRUE(CopyFile("C:\\src.txt", "C:\\WINDOWS\\copy.txt", true));
    EXPECT_EQ(Content("C:\\WINDOWS\\copy.txt"), "source");
    EXPECT_EQ(GetFileAttributes("C:\\WINDOWS\\copy.txt"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    const HANDLE copy = Open("C:\\WINDOWS\\copy.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    FILETIME copied;
    GetFileTime(copy, nullptr, nullptr, &copied);
    CloseHandle(copy);
    EXPECT_EQ(copied, stamp);

    EXPECT_FALSE(CopyFile("C:\\src.txt", "C:\\WINDOWS\\copy.txt", true));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_FALSE(CopyFile("C:\\src.txt", "C:\\WINDOWS\\copy.txt", false));  // read-only destination
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(CopyFile("C:\\none.txt", "C:\\x.txt", false));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);

    MakeFile("C:\\big.bin", std::string(1500000, 'b'));
    EXPECT_FALSE(CopyFile("C:\\big.bin", "A:\\big.bin", false));
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    EXPECT_EQ(GetFileAttributes("A:\\big.bin"), INVALID_FILE_ATTRIBUTES);
}
