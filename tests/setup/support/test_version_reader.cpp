// Reading version resources of PE images into TVersionInfo.

#include <gtest/gtest.h>

#include "support/cmp_TVersion.h"
#include "support/fresh_machine.h"
#include "support_fixtures.h"
#include "vcl/classes/class_registry.h"

using supporttest::PlaceFile;
using supporttest::PlaceFixture;

class VersionReader_ : public ::testing::Test {
protected:
    testsupport::FreshMachine machine;
    TVersionResource reader{nullptr};
};

TEST_F(VersionReader_, ReadsFixedPartAndUsEnglishStrings) {
    reader.SetFileName(PlaceFixture("tool23.exe", "C:\\Tools\\tool23.exe"));
    const TVersionInfo& v = *reader.VersionInfo();
    EXPECT_EQ(v.FileVersion, "1.0.0.23");  // the fixed part, never the string
    EXPECT_EQ(v.ProductVersion, "1.0 Beta");  // the string replaces the fixed 1.0.2.0
    EXPECT_EQ(v.FileOS, "Windows NT with 32 bit Windows");
    EXPECT_EQ(v.FileType, "Application");
    EXPECT_EQ(v.FileSubType, "");
    EXPECT_EQ(v.Comment, "Built for the tests");
    EXPECT_EQ(v.CompanyName, "TARN");
    EXPECT_EQ(v.FileDescription, "Quillery help authoring");
    EXPECT_EQ(v.InternalName, "Quillery");
    EXPECT_EQ(v.LegalCopyright, "Copyright \xA9 2001 TARN");
    EXPECT_EQ(v.LegalTradeMarks, "Quillery\x99");
    EXPECT_EQ(v.OriginalFileName, "Quillery.exe");
    EXPECT_EQ(v.PrivateBuild, "private");
    EXPECT_EQ(v.ProductName, "Quillery");
    EXPECT_EQ(v.SpecialBuild, "special");
}

TEST_F(VersionReader_, LanguageChoosesTheStringTable) {
    reader.SetFileName(PlaceFixture("ukfont.fon", "C:\\Fonts\\ukfont.fon"));
    EXPECT_EQ(reader.VersionInfo()->FileVersion, "2.5.0.1");
    EXPECT_EQ(reader.VersionInfo()->CompanyName, "");  // no 040904E4 table

    reader.SetLanguage(lnUKEnglish);  // reads again at once: 080904E4
    EXPECT_EQ(reader.VersionInfo()->CompanyName, "Type Foundry");
    EXPECT_EQ(reader.VersionInfo()->ProductName, "Serif");
    EXPECT_EQ(reader.VersionInfo()->ProductVersion, "2.5.0.0");

    reader.SetCharacterSet(csUnicode);  // 080904B0 is not there either
    EXPECT_EQ(reader.VersionInfo()->CompanyName, "");
    EXPECT_EQ(reader.VersionInfo()->FileVersion, "2.5.0.1");

    reader.SetCharacterSet(csMultilingual);
    reader.SetFileName(PlaceFixture("tool23.exe", "C:\\Tools\\tool23.exe"));
    EXPECT_EQ(reader.VersionInfo()->CompanyName, "");  // it has only 040904E4
    EXPECT_EQ(reader.VersionInfo()->FileVersion, "1.0.0.23");
}

TEST_F(VersionReader_, TypesAndSystemsAsText) {
    reader.SetFileName(PlaceFixture("ukfont.fon", "C:\\Fonts\\ukfont.fon"));
    EXPECT_EQ(reader.VersionInfo()->FileOS, "Windows 3.0 or later with MS-Dos");
    EXPECT_EQ(reader.VersionInfo()->FileType, "Font");
    EXPECT_EQ(reader.VersionInfo()->FileSubType, "TrueType");

    reader.SetFileName(PlaceFixture("tool9.dll", "C:\\Tools\\tool9.dll"));
    EXPECT_EQ(reader.VersionInfo()->FileVersion, "1.0.0.9");
    EXPECT_EQ(reader.VersionInfo()->FileOS, "32 bit Windows");
    EXPECT_EQ(reader.VersionInfo()->FileType, "Dynamic-Link Library");
    EXPECT_EQ(reader.VersionInfo()->FileSubType, "");
}

TEST_F(VersionReader_, FilesWithoutVersionLeaveEveryFieldEmpty) {
    reader.SetFileName(PlaceFixture("tool23.exe", "C:\\Tools\\tool23.exe"));
    for (const std::string& name : {PlaceFile("plain text", "C:\\readme.txt"), std::string("C:\\missing.exe"),
                                    PlaceFile("MZ but nothing more", "C:\\broken.exe"), std::string()}) {
        reader.SetFileName(name);
        const TVersionInfo& v = *reader.VersionInfo();
        EXPECT_EQ(v.FileVersion + v.ProductVersion + v.FileOS + v.FileType + v.CompanyName, "") << name;
    }
}

TEST_F(VersionReader_, StartsWithTheRunningProgram) {
    TVersionResource own(nullptr);
    EXPECT_FALSE(own.FileName().empty());
    EXPECT_EQ(own.Language(), lnUSEnglish);
    EXPECT_EQ(own.CharacterSet(), csMultilingual);
}

TEST(VersionTables, LanguageIdentifiersAndCodePages) {
    const std::pair<TLanguage, uint16_t> languages[] = {
        {lnArabic, 0x0401},          {lnUSEnglish, 0x0409},         {lnBahasa, 0x0421},
        {lnSimplifiedChinese, 0x0804}, {lnSwissGerman, 0x0807},     {lnUKEnglish, 0x0809},
        {lnMexicanSpanish, 0x080A},  {lnBelgianFrench, 0x080C},     {lnSwissItalian, 0x0810},
        {lnBelgianDutch, 0x0813},    {lnNorwegianNynorsk, 0x0814},  {lnPortuguese, 0x0816},
        {lnSerboCroatian, 0x081A},   {lnCanadianFrench, 0x0C0C},    {lnSwissFrench, 0x100C},
    };
    for (auto [language, id] : languages) EXPECT_EQ(LanguageIdentifier(language), id) << language;
    const std::pair<TCharacterSet, uint16_t> sets[] = {
        {csASCII, 0}, {csJapan, 932}, {csUnicode, 1200}, {csMultilingual, 1252}, {csArabic, 1256}};
    for (auto [set, page] : sets) EXPECT_EQ(CodePageOf(set), page) << set;
}

TEST(VersionTables, PublishedPropertiesOfTheComponent) {
    RegisterVersionClasses();
    const TClassInfo& info = FindClass("TVersionResource");
    for (const char* name : {"FileName", "Language", "CharacterSet", "VersionInfo"})
        EXPECT_NE(info.FindProperty(name), nullptr) << name;
    EXPECT_NE(FindClass("TVersionInfo").FindProperty("FileSubType"), nullptr);
}
