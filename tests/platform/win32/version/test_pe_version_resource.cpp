// Finding and reading the version resource of real PE images (made by the
// MinGW-w64 tools, fixtures/make_fixtures.sh), compared field by field with
// what pefile reads from the same files; images without one, and damaged
// images, fail cleanly.

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support_version.h"
#include "win32/errors.h"
#include "win32/version/find_version_block.h"
#include "win32/version/pe_version_resource.h"
#include "win32/version/version_block.h"
#include "win32/version/version_block_writer.h"

using namespace win32;
using versiontest::AsBytes;
using versiontest::Fixture;

namespace {

std::string ReadFixture(const std::string& name) { return testsupport::ReadHostFile(Fixture(name)); }

void Put32(std::string& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char(value >> (8 * i));
}

uint32_t Get32(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | uint8_t(bytes[offset + i]);
    return value;
}

}  // namespace

class PeFixture : public testing::TestWithParam<const char*> {};

TEST_P(PeFixture, ReadsWhatPefileReads)
{
    const std::string image = ReadFixture(GetParam());
    const versiontest::PefileReport pefile = versiontest::RunPefile(Fixture(GetParam()));
    ASSERT_TRUE(pefile.hasVersion);

    const VersionBlockLocation found = FindPeVersionResource(AsBytes(image));
    ASSERT_EQ(found.error, ERROR_SUCCESS);
    EXPECT_EQ(found.offset, pefile.offset);
    EXPECT_EQ(found.size, pefile.size);
    const std::optional<VersionBlock> block = VersionBlock::Parse(AsBytes(image).subspan(found.offset, found.size));
    ASSERT_TRUE(block);

    const std::optional<VS_FIXEDFILEINFO> fixed = block->FixedFileInfo();
    ASSERT_TRUE(fixed);
    const std::pair<const char*, uint32_t> fields[] = {
        {"Signature", fixed->dwSignature},       {"StrucVersion", fixed->dwStrucVersion},
        {"FileVersionMS", fixed->dwFileVersionMS}, {"FileVersionLS", fixed->dwFileVersionLS},
        {"ProductVersionMS", fixed->dwProductVersionMS}, {"ProductVersionLS", fixed->dwProductVersionLS},
        {"FileFlagsMask", fixed->dwFileFlagsMask}, {"FileFlags", fixed->dwFileFlags},
        {"FileOS", fixed->dwFileOS},             {"FileType", fixed->dwFileType},
        {"FileSubtype", fixed->dwFileSubtype},   {"FileDateMS", fixed->dwFileDateMS},
        {"FileDateLS", fixed->dwFileDateLS},
    };
    ASSERT_EQ(pefile.fixed.size(), std::size(fields));
    for (const auto& [name, ours] : fields)
        EXPECT_EQ(ours, pefile.fixed.at(name)) << name;

    ASSERT_FALSE(pefile.strings.empty());
    for (const versiontest::PefileString& s : pefile.strings) {
        const VersionNode* node = block->Find("\\StringFileInfo\\" + s.table + "\\" + s.key);
        ASSERT_TRUE(node) << s.table << " " << s.key;
        EXPECT_EQ(versiontest::Utf16Hex(block->Text(*node)), s.utf16Hex) << s.table << " " << s.key;
    }
    // pefile keeps only the last pair of the translation list.
    ASSERT_EQ(pefile.translations.size(), 1u);
    const std::vector<VersionTranslation> translations = block->Translations();
    ASSERT_FALSE(translations.empty());
    EXPECT_EQ(translations.back().language, pefile.translations[0].first);
    EXPECT_EQ(translations.back().codePage, pefile.translations[0].second);
}

INSTANTIATE_TEST_SUITE_P(Images, PeFixture, testing::Values("quill64.exe", "driver32.exe"));

TEST(PeVersionResource, KnowsBothImageKindsAndTheWholeTranslationList)
{
    const std::pair<const char*, std::vector<VersionTranslation>> cases[] = {
        {"quill64.exe", {{0x0409, 1252}, {0x0809, 1252}, {0x0407, 1252}}},
        {"driver32.exe", {{0x0409, 1200}}},
    };
    for (const auto& [name, translations] : cases) {
        const std::string image = ReadFixture(name);
        const VersionBlockLocation found = FindVersionBlock(AsBytes(image));
        ASSERT_EQ(found.error, ERROR_SUCCESS) << name;
        const std::optional<VersionBlock> block = VersionBlock::Parse(AsBytes(image).subspan(found.offset, found.size));
        ASSERT_TRUE(block) << name;
        EXPECT_EQ(block->Translations(), translations) << name;
    }
}

TEST(PeVersionResource, OurWriterLaysOutABlockAsTheResourceCompilerDoes)
{
    VersionBlockContents contents;
    contents.fixed.dwFileVersionMS = 0x00040000 | 10;
    contents.fixed.dwFileVersionLS = 1998u << 16 | 65535;
    contents.fixed.dwProductVersionMS = 0x00040000 | 10;
    contents.fixed.dwFileFlags = 0x21;
    contents.fixed.dwFileOS = VOS__WINDOWS32;
    contents.fixed.dwFileType = VFT_DRV;
    contents.fixed.dwFileSubtype = VFT2_DRV_NETWORK;
    contents.stringTables = {{u"040904B0",
                              {{u"CompanyName", u"Net Parts"},
                               {u"FileDescription", u"Network driver"},
                               {u"FileVersion", u"4.10.1998"},
                               {u"OLESelfRegister", u""},
                               {u"SpecialBuild", u"for tests"}}}};
    contents.translations = {{0x0409, 1200}};

    const std::string image = ReadFixture("driver32.exe");
    const VersionBlockLocation found = FindVersionBlock(AsBytes(image));
    ASSERT_EQ(found.error, ERROR_SUCCESS);
    EXPECT_EQ(BuildVersionBlock(contents), image.substr(found.offset, found.size));
}

TEST(PeVersionResource, ImagesWithoutAVersionResource)
{
    const std::pair<const char*, uint32_t> cases[] = {
        {"noversion.exe", ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"nores.exe", ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const auto& [name, error] : cases) {
        EXPECT_FALSE(versiontest::RunPefile(Fixture(name)).hasVersion) << name;
        EXPECT_EQ(FindVersionBlock(AsBytes(ReadFixture(name))).error, error) << name;
    }
}

TEST(PeVersionResource, FilesThatAreNoImages)
{
    const std::string cases[] = {"", "M", "MZ", "plain text, not a program\r\n", std::string(200, 'Z'),
                                 "MZ" + std::string(100, '\0')};
    for (const std::string& bytes : cases)
        EXPECT_EQ(FindVersionBlock(AsBytes(bytes)).error, ERROR_BAD_EXE_FORMAT) << bytes.size();
}

TEST(PeVersionResource, EveryTruncationFailsCleanly)
{
    for (const char* name : {"quill64.exe", "driver32.exe"}) {
        const std::string image = ReadFixture(name);
        const VersionBlockLocation whole = FindVersionBlock(AsBytes(image));
        ASSERT_EQ(whole.error, ERROR_SUCCESS);
        for (size_t length = 0; length < image.size(); ++length) {
            const std::vector<uint8_t> cut(image.begin(), image.begin() + length);
            const VersionBlockLocation found = FindVersionBlock(cut);
            // Only the padding after the block may go.
            EXPECT_EQ(found.error == ERROR_SUCCESS, length >= whole.offset + whole.size) << name << " cut to " << length;
        }
    }
}

TEST(PeVersionResource, DamagedHeadersFailCleanly)
{
    const std::string good = ReadFixture("quill64.exe");
    const uint32_t pe = Get32(good, 0x3C);
    const uint32_t optional = pe + 24;
    const uint32_t sections = optional + (Get32(good, pe + 20) & 0xFFFF);
    const uint32_t resourceDirectory = optional + 112 + 2 * 8;
    const size_t rsrcHeader = good.find(".rsrc", sections);
    ASSERT_NE(rsrcHeader, std::string::npos);
    const VersionBlockLocation found = FindPeVersionResource(AsBytes(good));
    ASSERT_EQ(found.error, ERROR_SUCCESS);
    // The data entry that points at the version block: RVA and size, in the
    // resource section before the block.
    const size_t dataEntry = [&] {
        for (size_t at = Get32(good, rsrcHeader + 20); at < found.offset; at += 4)
            if (Get32(good, at + 4) == found.size && Get32(good, at) != 0)
                return at;
        return size_t(0);
    }();
    ASSERT_NE(dataEntry, 0u);

    struct Case {
        const char* name;
        size_t offset;
        uint32_t value;
        uint32_t error;
    };
    const Case cases[] = {
        {"PE header past the end", 0x3C, uint32_t(good.size()), ERROR_BAD_EXE_FORMAT},
        {"PE header offset near 4 GB", 0x3C, 0xFFFFFFF0, ERROR_BAD_EXE_FORMAT},
        {"no PE signature", pe, 0x00004551, ERROR_BAD_EXE_FORMAT},
        {"unknown optional header", optional, 0x0107, ERROR_BAD_EXE_FORMAT},
        {"optional header past the end", pe + 20, 0xFFFF0000 | 0xFFFF, ERROR_BAD_EXE_FORMAT},
        {"no data directory for resources", optional + 108, 2, ERROR_RESOURCE_DATA_NOT_FOUND},
        {"empty resource directory entry", resourceDirectory, 0, ERROR_RESOURCE_DATA_NOT_FOUND},
        {"resources outside every section", resourceDirectory, 0x7FFF0000, ERROR_BAD_EXE_FORMAT},
        {"section count beyond the table", pe + 4, 0xFFFF0000 | 0x8664, ERROR_BAD_EXE_FORMAT},
        {"version data beyond its section", dataEntry + 4, uint32_t(found.size + 0x10000), ERROR_BAD_EXE_FORMAT},
        {"version data shorter than its block", dataEntry + 4, 40, ERROR_INVALID_DATA},
        {"version data at a wild RVA", dataEntry, 0xFFFFFFF0, ERROR_BAD_EXE_FORMAT},
        {"resource section's raw data past the end", rsrcHeader + 20, uint32_t(good.size()), ERROR_BAD_EXE_FORMAT},
        {"resource section's raw data cut short", rsrcHeader + 16, 0x20, ERROR_BAD_EXE_FORMAT},
    };
    for (const Case& c : cases) {
        std::string image = good;
        Put32(image, c.offset, c.value);
        EXPECT_EQ(FindVersionBlock(AsBytes(image)).error, c.error) << c.name;
    }
}
