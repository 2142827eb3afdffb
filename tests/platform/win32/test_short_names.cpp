#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/errors.h"
#include "win32/find_files.h"
#include "win32/machine.h"
#include "win32/short_paths.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(ShortNames, MadeAsWindowsMakesThemAndLeadBack) {
    FreshMachine machine;
    ASSERT_TRUE(CreateDirectoryForTest("C:\\Program Files\\My Application"));
    struct Case {
        const char* name;
        const char* shortName;
    };
    const Case cases[] = {
        {"setup.config", "SETUP~1.CON"},
        {"Setup.ini", "SETUP.INI"},
        {"Read Me.txt", "README~1.TXT"},
        {"Readme file.txt", "README~2.TXT"},
        {"a+b=c.txt", "A_B_C~1.TXT"},
        {"archive.tar.gz", "ARCHIV~1.GZ"},
        {".profile", "PROFIL~1"},
    };
    for (const Case& c : cases) {
        const std::string path = std::string("C:\\Program Files\\My Application\\") + c.name;
        MakeFile(path);
        EXPECT_EQ(GetShortPathName(path), std::string("C:\\PROGRA~1\\MYAPPL~1\\") + c.shortName) << c.name;
        EXPECT_EQ(GetLongPathName(std::string("c:\\progra~1\\myappl~1\\") + c.shortName), path) << c.name;
        EXPECT_EQ(Content(std::string("C:\\PROGRA~1\\MYAPPL~1\\") + c.shortName), "") << c.name;
    }
    EXPECT_EQ(GetShortPathName("C:\\Documents and Settings\\User\\Start Menu"), "C:\\DOCUME~1\\USER\\STARTM~1");
    EXPECT_EQ(GetShortPathName("C:\\nothing here"), "");
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(ShortNames, StableAcrossRunsOfTheMachine) {
    FreshMachine machine;
    MakeFile("C:\\Long File Name One.txt");
    MakeFile("C:\\Long File Name Two.txt");
    const std::string second = GetShortPathName("C:\\Long File Name Two.txt");
    EXPECT_EQ(second, "C:\\LONGFI~2.TXT");
    // Reopening the machine (a new run) finds the same names.
    SwapCurrentMachine(Machine::Open(machine.Folder()));
    EXPECT_EQ(GetShortPathName("C:\\long file name two.txt"), second);
    EXPECT_EQ(GetLongPathName("C:\\LONGFI~1.TXT"), "C:\\Long File Name One.txt");
    WIN32_FIND_DATA data;
    const HANDLE search = FindFirstFile("C:\\LONGFI~2.TXT", data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.cFileName, "Long File Name Two.txt");
    EXPECT_EQ(data.cAlternateFileName, "LONGFI~2.TXT");
    FindClose(search);
}
