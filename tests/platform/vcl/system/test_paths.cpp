#include "vcl/system/paths.h"

#include <gtest/gtest.h>

TEST(Paths, PartsOfWindowsPaths) {
    struct Case {
        const char* name;
        const char* path;
        const char* dir;
        const char* file;
        const char* ext;
        const char* drive;
    };
    const Case cases[] = {
        {"C:\\Tools\\hcrtf.exe", "C:\\Tools\\", "C:\\Tools", "hcrtf.exe", ".exe", "C:"},
        {"C:\\help.hlp", "C:\\", "C:\\", "help.hlp", ".hlp", "C:"},
        {"C:help.hlp", "C:", "C:", "help.hlp", ".hlp", "C:"},
        {"help", "", "", "help", "", ""},
        {"a.b\\c", "a.b\\", "a.b", "c", "", ""},
        {"archive.tar.gz", "", "", "archive.tar.gz", ".gz", ""},
        {"C:\\dir\\", "C:\\dir\\", "C:\\dir", "", "", "C:"},
        {"\\\\server\\share\\dir\\f.txt", "\\\\server\\share\\dir\\", "\\\\server\\share\\dir", "f.txt", ".txt",
         "\\\\server\\share"},
        {"\\\\server\\share", "\\\\server\\", "\\\\server", "share", "", "\\\\server\\share"},
        {"Z:/home/ann/x.qpx", "Z:", "Z:", "/home/ann/x.qpx", ".qpx", "Z:"},
        {"", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExtractFilePath(c.name), c.path);
        EXPECT_EQ(ExtractFileDir(c.name), c.dir);
        EXPECT_EQ(ExtractFileName(c.name), c.file);
        EXPECT_EQ(ExtractFileExt(c.name), c.ext);
        EXPECT_EQ(ExtractFileDrive(c.name), c.drive);
    }
}

TEST(Paths, ChangeFileExt) {
    EXPECT_EQ(ChangeFileExt("C:\\a\\setup.exe", ".1"), "C:\\a\\setup.1");
    EXPECT_EQ(ChangeFileExt("C:\\a.b\\setup", ".1"), "C:\\a.b\\setup.1");
    EXPECT_EQ(ChangeFileExt("help.qpx", ""), "help");
    EXPECT_EQ(ChangeFileExt("x.tar.gz", ".zip"), "x.tar.zip");
    EXPECT_EQ(ChangeFileExt("", ".txt"), ".txt");
}

TEST(Paths, TrailingBackslashes) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\a\\\\"), "C:\\a\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\a"), "C:\\a");
    EXPECT_EQ(ExcludeTrailingBackslash(""), "");
    EXPECT_TRUE(IsPathDelimiter("C:\\a", 3));
    EXPECT_FALSE(IsPathDelimiter("C:\\a", 4));
    EXPECT_FALSE(IsPathDelimiter("C:\\a", 0));
    EXPECT_FALSE(IsPathDelimiter("C:\\a", 5));
}
