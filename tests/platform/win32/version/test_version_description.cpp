// The build's text description of a version block, as the generator reads it.

#include <gtest/gtest.h>

#include <stdexcept>

#include "win32/version/version_description.h"

using namespace win32;

TEST(VersionDescription, ReadsEveryStatement)
{
    const VersionBlockContents contents = ParseVersionDescription(
        "# comment\n"
        "file-version 1.0.0.23\r\n"
        "product-version 65535.2.3.4\n"
        "\n"
        "file-flags 0x2\n"
        "file-os 0x40004\n"
        "file-type 2\n"
        "file-subtype 0\n"
        "table 040904E4\n"
        "string CompanyName=TARN\n"
        "string Comments=a=b \xC2\xA9\n"
        "table 040704e4\n"
        "string CompanyName=\n"
        "translation 0409 04E4\n");
    EXPECT_EQ(contents.fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(contents.fixed.dwFileVersionLS, 23u);
    EXPECT_EQ(contents.fixed.dwProductVersionMS, 0xFFFF0002u);
    EXPECT_EQ(contents.fixed.dwProductVersionLS, 0x00030004u);
    EXPECT_EQ(contents.fixed.dwFileFlags, 2u);
    EXPECT_EQ(contents.fixed.dwFileOS, 0x40004u);
    EXPECT_EQ(contents.fixed.dwFileType, 2u);
    ASSERT_EQ(contents.stringTables.size(), 2u);
    EXPECT_EQ(contents.stringTables[0].name, u"040904E4");
    ASSERT_EQ(contents.stringTables[0].strings.size(), 2u);
    EXPECT_EQ(contents.stringTables[0].strings[1].first, u"Comments");
    EXPECT_EQ(contents.stringTables[0].strings[1].second, u"a=b \u00a9");
    EXPECT_EQ(contents.stringTables[1].strings[0].second, u"");
    EXPECT_EQ(contents.translations, (std::vector<VersionTranslation>{{0x0409, 0x04E4}}));
}

TEST(VersionDescription, RefusesMalformedLinesNamingThem)
{
    const char* cases[] = {
        "file-version 1.0.0",
        "file-version 1.0.0.65536",
        "file-version 1.0.0.x",
        "file-version 1.0.0.23.5",
        "file-version -1.0.0.0",
        "file-flags 0xZZ",
        "file-type",
        "table 0409",
        "table 040904EG",
        "string CompanyName=TARN",
        "table 040904E4\nstring NoEquals",
        "table 040904E4\nstring =value",
        "translation 409 4E4",
        "translation 0409",
        "version 1.0.0.23",
    };
    for (const char* text : cases) {
        try {
            ParseVersionDescription(std::string("# first\n") + text + "\n");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("line "), std::string::npos) << e.what();
        }
    }
}
