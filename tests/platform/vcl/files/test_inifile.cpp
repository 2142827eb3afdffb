#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "vcl/classes/strings.h"
#include "vcl/files/file_routines.h"
#include "vcl/files/inifile.h"
#include "win32/file_contents.h"

using testsupport::FreshMachine;

namespace {
std::vector<std::string> Lines(const TStrings& strings) {
    std::vector<std::string> lines;
    for (int i = 0; i < strings.Count(); ++i) lines.push_back(strings.Strings(i));
    return lines;
}
}  // namespace

TEST(IniFile, ReadsTypedValues) {
    FreshMachine machine;
    ASSERT_TRUE(win32::WriteWholeFile("C:\\setup.ini",
                                      "[Options]\r\nName = Quillery\r\nCount=12\r\nHex=$1F\r\nBad=12x\r\nOn=1\r\nOff=0\r\n"
                                      "[Empty]\r\n"));
    TIniFile ini("C:\\setup.ini");
    EXPECT_EQ(ini.ReadString("options", "NAME", ""), "Quillery");
    EXPECT_EQ(ini.ReadInteger("Options", "Count", -1), 12);
    EXPECT_EQ(ini.ReadInteger("Options", "Hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("Options", "Bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Options", "Missing", 7), 7);
    EXPECT_TRUE(ini.ReadBool("Options", "On", false));
    EXPECT_FALSE(ini.ReadBool("Options", "Off", true));
    EXPECT_TRUE(ini.ReadBool("Options", "Missing", true));
    EXPECT_TRUE(ini.SectionExists("OPTIONS"));
    EXPECT_FALSE(ini.SectionExists("Empty"));
    EXPECT_TRUE(ini.ValueExists("Options", "name"));
    EXPECT_FALSE(ini.ValueExists("Options", "Nam"));

    TStringList list;
    ini.ReadSection("Options", list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"Name", "Count", "Hex", "Bad", "On", "Off"}));
    ini.ReadSections(list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"Options", "Empty"}));
    ini.ReadSectionValues("Options", list);
    EXPECT_EQ(list.Strings(0), "Name = Quillery");
}

TEST(IniFile, WritesAndErases) {
    FreshMachine machine;
    TIniFile ini("C:\\WINDOWS\\app.ini");
    ini.WriteString("Main", "Path", "C:\\Program Files");
    ini.WriteInteger("Main", "Count", -3);
    ini.WriteBool("Main", "Flag", true);
    ini.WriteString("Other", "x", "y");
    EXPECT_EQ(*win32::ReadWholeFile("C:\\WINDOWS\\app.ini"),
              "[Main]\r\nPath=C:\\Program Files\r\nCount=-3\r\nFlag=1\r\n\r\n[Other]\r\nx=y\r\n");
    ini.DeleteKey("Main", "Count");
    ini.EraseSection("Other");
    EXPECT_EQ(*win32::ReadWholeFile("C:\\WINDOWS\\app.ini"), "[Main]\r\nPath=C:\\Program Files\r\nFlag=1\r\n\r\n");

    FileSetAttr("C:\\WINDOWS\\app.ini", faReadOnly);
    try {
        ini.WriteString("Main", "Path", "x");
        ADD_FAILURE();
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to C:\\WINDOWS\\app.ini");
    }
    TIniFile nowhere("C:\\no folder\\x.ini");
    EXPECT_THROW(nowhere.WriteBool("a", "b", false), EIniFileException);
}
