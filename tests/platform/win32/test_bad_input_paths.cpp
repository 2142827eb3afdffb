// Over-long, empty and malformed names through the file calls: each refuses
// them with the error Windows gives and leaves the machine as it was, and
// paths just inside the limits work.

#include <gtest/gtest.h>

#include <string>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/files.h"
#include "win32/find_files.h"
#include "win32/handles.h"
#include "win32/profile_files.h"
#include "win32/short_paths.h"

using namespace win32;
using machinetest::MakeFile;

namespace {

// A folder of 200 characters below C:\, so that a file in it can reach any
// total length from 205 up.
const std::string kDeepFolder = "C:\\" + std::string(200, 'd');

// A path of exactly `total` characters in kDeepFolder.
std::string PathOfLength(size_t total) { return kDeepFolder + "\\" + std::string(total - kDeepFolder.size() - 1, 'f'); }

class BadInputPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDirectory(kDeepFolder, nullptr));
        MakeFile("C:\\present.txt", "kept");
    }
    testsupport::FreshMachine machine_;
};

struct RefusedPath {
    const char* what;
    std::string path;
    uint32_t error;
    bool isPattern = false;      // FindFirstFile takes it as wildcards
    uint32_t profileError = 0;  // when the profile calls fail otherwise
};

const RefusedPath kRefusedPaths[] = {
    // A profile file without a folder lies in the Windows folder, which
    // "" names itself.
    {"empty", "", ERROR_PATH_NOT_FOUND, false, ERROR_ACCESS_DENIED},
    {"260 characters", PathOfLength(260), ERROR_FILENAME_EXCED_RANGE},
    {"261 characters", PathOfLength(261), ERROR_FILENAME_EXCED_RANGE},
    {"a thousand characters", "C:\\" + std::string(997, 'x'), ERROR_FILENAME_EXCED_RANGE},
    {"a name of 256 characters", "C:\\" + std::string(256, 'n'), ERROR_FILENAME_EXCED_RANGE},
    {"a name of 256 in a folder", "C:\\" + std::string(256, 'n') + "\\f", ERROR_FILENAME_EXCED_RANGE},
    {"a drive that does not exist", "Q:\\file.txt", ERROR_PATH_NOT_FOUND},
    {"less-than", "C:\\a<b.txt", ERROR_INVALID_NAME},
    {"greater-than", "C:\\a>b.txt", ERROR_INVALID_NAME},
    {"colon", "C:\\a:b.txt", ERROR_INVALID_NAME},
    {"quote", "C:\\a\"b.txt", ERROR_INVALID_NAME},
    {"bar", "C:\\a|b.txt", ERROR_INVALID_NAME},
    {"question mark", "C:\\a?b.txt", ERROR_INVALID_NAME, true},
    {"star", "C:\\*.txt", ERROR_INVALID_NAME, true},
    {"a folder with a star", "C:\\*\\b.txt", ERROR_INVALID_NAME},
    {"control character 1", std::string("C:\\a\x01" "b.txt"), ERROR_INVALID_NAME},
    {"control character 31", std::string("C:\\a\x1f" "b.txt"), ERROR_INVALID_NAME},
    {"tab", "C:\\a\tb.txt", ERROR_INVALID_NAME},
};

TEST_F(BadInputPaths, EveryFileCallRefusesThePathWithWindowsError)
{
    for (const RefusedPath& c : kRefusedPaths) {
        SCOPED_TRACE(c.what);
        const std::string& path = c.path;

        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(CreateFile(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(CreateFile(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(CreateDirectory(path, nullptr));
        EXPECT_EQ(GetLastError(), c.error);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(DeleteFile(path));
        EXPECT_EQ(GetLastError(), c.error);
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GetFileAttributes(path), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(GetLastError(), c.error);
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GetShortPathName(path), "");
        EXPECT_EQ(GetLastError(), c.error);

        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(MoveFile("C:\\present.txt", path));
        EXPECT_EQ(GetLastError(), c.error);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(MoveFile(path, "C:\\moved.txt"));
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(machinetest::Content("C:\\present.txt"), "kept");

        if (!c.isPattern) {
            WIN32_FIND_DATA found;
            SetLastError(ERROR_SUCCESS);
            EXPECT_EQ(FindFirstFile(path, found), INVALID_HANDLE_VALUE);
            EXPECT_EQ(GetLastError(), c.error);
        }

        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(WritePrivateProfileString("Section", "Key", "Value", path));
        EXPECT_EQ(GetLastError(), c.profileError ? c.profileError : c.error);
        EXPECT_EQ(GetPrivateProfileString("Section", "Key", "default", path), "default");
    }
    // Nothing was made on the way.
    EXPECT_EQ(GetFileAttributes("C:\\moved.txt"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(BadInputPaths, FullPathNameRefusesWhatNoCallCouldUse)
{
    struct Case {
        const char* what;
        std::string path;
        uint32_t error;
    };
    const Case cases[] = {
        {"empty", "", ERROR_PATH_NOT_FOUND},
        {"260 characters", PathOfLength(260), ERROR_FILENAME_EXCED_RANGE},
        {"a name of 256 characters", "C:\\" + std::string(256, 'n'), ERROR_FILENAME_EXCED_RANGE},
        {"a relative name that ends too far", std::string(257, 'r'), ERROR_FILENAME_EXCED_RANGE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GetFullPathName(c.path), "");
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST_F(BadInputPaths, PathsJustInsideTheLimitsWork)
{
    const std::string longest = PathOfLength(259);
    const std::string longestName = "C:\\" + std::string(255, 'n');
    for (const std::string& path : {longest, longestName}) {
        SCOPED_TRACE(path.size());
        const HANDLE file = CreateFile(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
        EXPECT_TRUE(CloseHandle(file));
        EXPECT_NE(GetFileAttributes(path), INVALID_FILE_ATTRIBUTES);
        WIN32_FIND_DATA found;
        const HANDLE search = FindFirstFile(path, found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE) << GetLastError();
        EXPECT_EQ(found.cFileName.size(), path.size() - path.rfind('\\') - 1);
        EXPECT_TRUE(FindClose(search));
        const std::string shortPath = GetShortPathName(path);
        EXPECT_FALSE(shortPath.empty()) << GetLastError();
        EXPECT_EQ(GetLongPathName(shortPath), path);
        EXPECT_EQ(GetFullPathName(path), path);
        EXPECT_TRUE(WritePrivateProfileString("Section", "Key", "Value", path)) << GetLastError();
        EXPECT_EQ(GetPrivateProfileString("Section", "Key", "default", path), "Value");
        EXPECT_TRUE(DeleteFile(path)) << GetLastError();
        EXPECT_TRUE(MoveFile("C:\\present.txt", path)) << GetLastError();
        EXPECT_TRUE(MoveFile(path, "C:\\present.txt")) << GetLastError();
    }
}

// A folder needs room below it for a file of 8.3 characters, so its path
// must stay under 248 characters.
TEST_F(BadInputPaths, NewFoldersKeepRoomForAShortFileName)
{
    EXPECT_TRUE(CreateDirectory(PathOfLength(247), nullptr)) << GetLastError();
    for (size_t length : {248, 259}) {
        SCOPED_TRACE(length);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(CreateDirectory(PathOfLength(length), nullptr));
        EXPECT_EQ(GetLastError(), ERROR_FILENAME_EXCED_RANGE);
        EXPECT_EQ(GetFileAttributes(PathOfLength(length)), INVALID_FILE_ATTRIBUTES);
    }
}

// A path that is only a drive names the drive's current directory, here
// the root: a folder, not a file.
TEST_F(BadInputPaths, APathOfOnlyADriveIsItsCurrentFolder)
{
    EXPECT_EQ(GetFullPathName("C:"), "C:\\");
    EXPECT_EQ(GetFileAttributes("C:") & FILE_ATTRIBUTE_DIRECTORY, uint32_t(FILE_ATTRIBUTE_DIRECTORY));
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CreateFile("C:", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(DeleteFile("C:"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    for (const char* root : {"C:", "C:\\"}) {
        SCOPED_TRACE(root);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(CreateDirectory(root, nullptr));
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(MoveFile(root, "C:\\elsewhere"));
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    }
    EXPECT_NE(GetFileAttributes("C:\\present.txt"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
