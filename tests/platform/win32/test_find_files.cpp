#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/find_files.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

namespace {
std::vector<std::string> Find(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATA data;
    const HANDLE search = FindFirstFile(pattern, data);
    if (search == INVALID_HANDLE_VALUE) return {"error " + std::to_string(GetLastError())};
    do names.push_back(data.cFileName);
    while (FindNextFile(search, data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(search));
    return names;
}
}  // namespace

TEST(FindFiles, WildcardsAsWindowsMatchesThem) {
    FreshMachine machine;
    ASSERT_TRUE(CreateDirectoryForTest("C:\\data\\sub"));
    for (const char* name : {"b.txt", "A.TXT", "readme", "notes.text", "ab.txt", "Long Name.txt"})
        MakeFile(std::string("C:\\data\\") + name, "12345");
    using Names = std::vector<std::string>;
    struct Case {
        const char* pattern;
        Names names;
    };
    const Case cases[] = {
        {"C:\\data\\*.txt", {"A.TXT", "ab.txt", "b.txt", "Long Name.txt"}},
        {"c:\\DATA\\?.txt", {"A.TXT", "b.txt"}},
        {"C:\\data\\*.*", {".", "..", "A.TXT", "ab.txt", "b.txt", "Long Name.txt", "notes.text", "readme", "sub"}},
        {"C:\\data\\readme.*", {"readme"}},
        {"C:\\data\\*.te?t", {"notes.text"}},
        {"C:\\data\\LONGNA~1.TXT", {"Long Name.txt"}},
        {"C:\\data\\sub", {"sub"}},
        {"C:\\data\\*.doc", {"error 2"}},
        {"C:\\nodata\\*.*", {"error 3"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Find(c.pattern), c.names) << c.pattern;
}

TEST(FindFiles, ReportsSizesAndAttributes) {
    FreshMachine machine;
    MakeFile("C:\\WINDOWS\\hidden.sys", std::string(70000, 'h'));
    SetFileAttributes("C:\\WINDOWS\\hidden.sys", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    WIN32_FIND_DATA data;
    const HANDLE search = FindFirstFile("C:\\WINDOWS\\HIDDEN.SYS", data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.nFileSizeLow, 70000u);
    EXPECT_EQ(data.dwFileAttributes, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(data.cAlternateFileName, "");
    FindClose(search);
    EXPECT_FALSE(FindNextFile(search, data));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}
