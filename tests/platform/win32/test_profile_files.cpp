#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/profile_files.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(ProfileFiles, ReadsValuesWithoutRegardToCase) {
    FreshMachine machine;
    MakeFile("C:\\app.ini",
             "; settings\r\n[Main]\r\nName = \"Quoted Value\" \r\nCount=42abc\r\nNeg=-7\r\n\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(GetPrivateProfileString("main", "NAME", "d", "C:\\app.ini"), "Quoted Value");
    EXPECT_EQ(GetPrivateProfileString("Main", "missing", "dflt", "C:\\app.ini"), "dflt");
    EXPECT_EQ(GetPrivateProfileString("Main", "x", "dflt", "C:\\none.ini"), "dflt");
    EXPECT_EQ(GetPrivateProfileInt("Main", "Count", 0, "C:\\app.ini"), 42);
    EXPECT_EQ(GetPrivateProfileInt("Main", "Neg", 0, "C:\\app.ini"), -7);
    EXPECT_EQ(GetPrivateProfileInt("Main", "Name", 5, "C:\\app.ini"), 0);
    EXPECT_EQ(GetPrivateProfileInt("Main", "None", 5, "C:\\app.ini"), 5);
    EXPECT_EQ(GetPrivateProfileSectionNames("C:\\app.ini"), (std::vector<std::string>{"Main", "Other"}));
    EXPECT_EQ(GetPrivateProfileSection("OTHER", "C:\\app.ini"), (std::vector<std::string>{"x=1"}));
}

TEST(ProfileFiles, WritingKeepsTheRestOfTheFile) {
    FreshMachine machine;
    const std::string original = "; keep me\r\n[Main]\r\nA=1\r\n; note\r\nB=2\r\n\r\n[Other]\r\nx=1\r\n";
    MakeFile("C:\\app.ini", original);
    ASSERT_TRUE(WritePrivateProfileString("main", "b", "20", "C:\\app.ini"));
    ASSERT_TRUE(WritePrivateProfileString("Main", "C", "3", "C:\\app.ini"));
    ASSERT_TRUE(WritePrivateProfileString("New", "k", "v", "C:\\app.ini"));
    EXPECT_EQ(Content("C:\\app.ini"),
              "; keep me\r\n[Main]\r\nA=1\r\n; note\r\nb=20\r\nC=3\r\n\r\n[Other]\r\nx=1\r\n\r\n[New]\r\nk=v\r\n");
    ASSERT_TRUE(WritePrivateProfileString("Main", "A", std::nullopt, "C:\\app.ini"));
    ASSERT_TRUE(WritePrivateProfileString("Other", std::nullopt, std::nullopt, "C:\\app.ini"));
    EXPECT_EQ(Content("C:\\app.ini"), "; keep me\r\n[Main]\r\n; note\r\nb=20\r\nC=3\r\n\r\n[New]\r\nk=v\r\n");
}

TEST(ProfileFiles, PlainNamesLiveInTheWindowsFolderAndFailuresAreReported) {
    FreshMachine machine("98");
    ASSERT_TRUE(WritePrivateProfileString("Rename", "NUL", "C:\\X.TMP", "wininit.ini"));
    EXPECT_EQ(Content("C:\\WINDOWS\\WININIT.INI"), "[Rename]\r\nNUL=C:\\X.TMP\r\n");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", "C:\\no folder\\x.ini"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    SetFileAttributes("C:\\WINDOWS\\WININIT.INI", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WritePrivateProfileString("Rename", "a", "b", "wininit.ini"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(WritePrivateProfileString("S", "k", std::nullopt, "C:\\never.ini"));
    EXPECT_EQ(GetFileAttributes("C:\\never.ini"), INVALID_FILE_ATTRIBUTES);
}
