// The version block reader and writer on bytes: what is written reads back,
// paths find their nodes, and malformed blocks fail cleanly (a mutation
// loop under the sanitizers checks that nothing reads out of bounds).

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>

#include "support_version.h"
#include "win32/version/version_block.h"
#include "win32/version/version_block_writer.h"

using namespace win32;
using versiontest::AsBytes;

namespace {

VersionBlockContents Sample()
{
    VersionBlockContents contents;
    contents.fixed.dwFileVersionMS = 0x00010000;
    contents.fixed.dwFileVersionLS = 0x00000017;
    contents.fixed.dwProductVersionMS = 0x00020003;
    contents.fixed.dwProductVersionLS = 0x00040005;
    contents.fixed.dwFileFlags = VS_FF_PRERELEASE;
    contents.fixed.dwFileType = VFT_DLL;
    contents.stringTables = {
        {u"040904E4", {{u"CompanyName", u"TARN"}, {u"FileVersion", u"1.0.0.23"}, {u"PrivateBuild", u""}}},
        {u"040704E4", {{u"CompanyName", u"TARN GmbH"}, {u"Comments", u"f\u00fcr"}}},
    };
    contents.translations = {{0x0409, 1252}, {0x0407, 1252}};
    return contents;
}

// A block in a heap buffer of exactly its size, so that the sanitizer sees
// any read past it.
struct ExactBytes {
    explicit ExactBytes(const std::string& bytes) : data(bytes.begin(), bytes.end()) {}
    std::span<const uint8_t> span() const { return data; }
    std::vector<uint8_t> data;
};

void Put16(std::string& bytes, size_t offset, uint16_t value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char(value >> 8);
}

// Offset of the node whose key is `key` (the first match) in a written block.
size_t NodeOffset(const std::string& block, std::u16string_view key)
{
    std::string pattern;
    for (char16_t c : key) {
        pattern.push_back(char(c & 0xFF));
        pattern.push_back(char(c >> 8));
    }
    const size_t at = block.find(pattern);
    if (at == std::string::npos || at < 6)
        throw std::logic_error("key not in block");
    return at - 6;
}

// Reads everything a caller could ask for, so that the sanitizers see any
// bad offset; checks that every node lies inside the block.
void ReadAll(const VersionBlock& block, const VersionNode& node)
{
    ASSERT_LE(node.valueOffset + node.valueSize, block.Length());
    (void)block.Text(node);
    (void)block.Value(node);
    for (const VersionNode& child : node.children)
        ReadAll(block, child);
}

void ReadAll(const VersionBlock& block)
{
    ReadAll(block, block.Root());
    (void)block.FixedFileInfo();
    (void)block.Translations();
    for (const char* path : {"\\", "\\StringFileInfo\\040904E4\\CompanyName", "\\VarFileInfo\\Translation",
                             "\\StringFileInfo\\040704E4\\Comments"}) {
        if (const VersionNode* node = block.Find(path))
            (void)block.Text(*node);
    }
}

}  // namespace

TEST(VersionBlock, ReadsBackWhatTheWriterWrote)
{
    const std::string bytes = BuildVersionBlock(Sample());
    const ExactBytes exact(bytes);
    const std::optional<VersionBlock> block = VersionBlock::Parse(exact.span());
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Length(), bytes.size());

    const std::optional<VS_FIXEDFILEINFO> fixed = block->FixedFileInfo();
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(fixed->dwStrucVersion, VS_FFI_STRUCVERSION);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x17u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020003u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00040005u);
    EXPECT_EQ(fixed->dwFileFlagsMask, VS_FFI_FILEFLAGSMASK);
    EXPECT_EQ(fixed->dwFileFlags, VS_FF_PRERELEASE);
    EXPECT_EQ(fixed->dwFileOS, VOS_NT_WINDOWS32);
    EXPECT_EQ(fixed->dwFileType, VFT_DLL);

    for (const VersionStringTable& table : Sample().stringTables) {
        for (const auto& [key, value] : table.strings) {
            std::string path = "\\StringFileInfo\\";
            for (std::u16string_view part : {std::u16string_view(table.name), std::u16string_view(u"\\"),
                                             std::u16string_view(key)})
                for (char16_t c : part)
                    path.push_back(char(c));
            const VersionNode* node = block->Find(path);
            ASSERT_TRUE(node) << path;
            EXPECT_TRUE(node->isText);
            EXPECT_EQ(block->Text(*node), value) << path;
        }
    }
    EXPECT_EQ(block->Translations(), (std::vector<VersionTranslation>{{0x0409, 1252}, {0x0407, 1252}}));
}

TEST(VersionBlock, FindsPathsWithoutRegardToCaseAndSkipsEmptyParts)
{
    const std::string bytes = BuildVersionBlock(Sample());
    const std::optional<VersionBlock> block = VersionBlock::Parse(AsBytes(bytes));
    ASSERT_TRUE(block);
    struct Case {
        const char* path;
        const char16_t* text;  // null: the node must be missing
    };
    const Case cases[] = {
        {"\\StringFileInfo\\040904E4\\CompanyName", u"TARN"},
        {"\\stringfileinfo\\040904e4\\COMPANYNAME", u"TARN"},
        {"StringFileInfo\\040704E4\\CompanyName", u"TARN GmbH"},
        {"\\\\StringFileInfo\\\\040704E4\\Comments\\", u"f\u00fcr"},
        {"\\StringFileInfo\\040904E4\\PrivateBuild", u""},
        {"\\StringFileInfo\\080904E4\\CompanyName", nullptr},
        {"\\StringFileInfo\\040904E4\\Company", nullptr},
        {"\\StringFileInfo\\040904E4\\CompanyNameX", nullptr},
        {"\\StringFileInfo\\040904E4\\CompanyName\\More", nullptr},
        {"\\Nothing", nullptr},
    };
    for (const Case& c : cases) {
        const VersionNode* node = block->Find(c.path);
        if (!c.text) {
            EXPECT_FALSE(node) << c.path;
            continue;
        }
        ASSERT_TRUE(node) << c.path;
        EXPECT_EQ(block->Text(*node), c.text) << c.path;
    }
    EXPECT_EQ(block->Find(""), &block->Root());
    EXPECT_EQ(block->Find("\\"), &block->Root());
}

TEST(VersionBlock, BytesAfterTheRootAreNotPartOfIt)
{
    std::string bytes = BuildVersionBlock(Sample());
    const size_t length = bytes.size();
    bytes += std::string(40, '\xAB');
    const std::optional<VersionBlock> block = VersionBlock::Parse(AsBytes(bytes));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Length(), length);
}

TEST(VersionBlockWriter, RefusesABlockBeyondSixteenBitLengths)
{
    VersionBlockContents contents = Sample();
    contents.stringTables[0].strings.emplace_back(u"Comments", std::u16string(40000, u'x'));
    EXPECT_THROW(BuildVersionBlock(contents), std::length_error);
}

TEST(VersionBlockMalformed, FailsCleanlyOrDropsOnlyTheBrokenPart)
{
    const std::string good = BuildVersionBlock(Sample());
    const size_t table = NodeOffset(good, u"040904E4");
    const size_t company = NodeOffset(good, u"CompanyName");
    const size_t translation = NodeOffset(good, u"Translation");
    struct Case {
        const char* name;
        std::function<void(std::string&)> damage;
        bool parses;
        const char* path;  // with `parses`: must this path still be found?
        bool found;
    };
    const Case cases[] = {
        {"empty", [](std::string& b) { b.clear(); }, false, nullptr, false},
        {"shorter than a header", [](std::string& b) { b.resize(5); }, false, nullptr, false},
        {"root longer than the bytes", [](std::string& b) { b.resize(b.size() - 1); }, false, nullptr, false},
        {"root length below a header", [](std::string& b) { Put16(b, 0, 4); }, false, nullptr, false},
        {"root key is not VS_VERSION_INFO", [](std::string& b) { b[6] = 'W'; }, false, nullptr, false},
        {"root key without its NUL", [](std::string& b) { Put16(b, 0, 20); }, false, nullptr, false},
        {"root type is neither text nor binary", [](std::string& b) { Put16(b, 4, 7); }, false, nullptr, false},
        {"fixed part cut by the value length",
         [](std::string& b) { Put16(b, 2, 20); }, true, "\\StringFileInfo", false},
        {"fixed part with a wrong signature", [](std::string& b) { b[40] ^= 1; }, true,
         "\\StringFileInfo\\040904E4\\CompanyName", true},
        {"a string whose length overruns its table",
         [&](std::string& b) { Put16(b, company, 0xFFF0); }, true, "\\StringFileInfo\\040904E4\\CompanyName", false},
        {"a string of zero length", [&](std::string& b) { Put16(b, company, 0); }, true,
         "\\StringFileInfo\\040904E4\\FileVersion", false},
        {"a string value longer than its node", [&](std::string& b) { Put16(b, company + 2, 500); }, true,
         "\\StringFileInfo\\040904E4\\CompanyName", true},
        {"a table that overruns StringFileInfo", [&](std::string& b) { Put16(b, table, 0x7FFF); }, true,
         "\\VarFileInfo\\Translation", true},
        {"translation value longer than its node", [&](std::string& b) { Put16(b, translation + 2, 900); }, true,
         "\\VarFileInfo\\Translation", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = good;
        c.damage(bytes);
        const ExactBytes exact(bytes);
        const std::optional<VersionBlock> block = VersionBlock::Parse(exact.span());
        ASSERT_EQ(bool(block), c.parses);
        if (!block)
            continue;
        ReadAll(*block);
        EXPECT_EQ(block->Find(c.path) != nullptr, c.found);
    }
}

TEST(VersionBlockMalformed, ACutFixedPartIsNoFixedPart)
{
    std::string bytes = BuildVersionBlock(Sample());
    Put16(bytes, 2, 51);
    const std::optional<VersionBlock> block = VersionBlock::Parse(AsBytes(bytes));
    ASSERT_TRUE(block);
    EXPECT_FALSE(block->FixedFileInfo());
}

TEST(VersionBlockMalformed, ATranslationValueIsCutToWholePairs)
{
    std::string bytes = BuildVersionBlock(Sample());
    Put16(bytes, NodeOffset(bytes, u"Translation") + 2, 6);
    const std::optional<VersionBlock> block = VersionBlock::Parse(AsBytes(bytes));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Translations(), (std::vector<VersionTranslation>{{0x0409, 1252}}));
}

TEST(VersionBlockFuzz, MutatedBlocksNeverReadOutOfBounds)
{
    const std::string good = BuildVersionBlock(Sample());
    std::mt19937 random(20240611);
    int parsed = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string bytes = good;
        const int edits = 1 + int(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0: bytes[at] = char(random()); break;                                  // any byte
            case 1: bytes[at & ~size_t(1)] = char(random() % 16); break;                // small length
            case 2: bytes.resize(at); break;                                            // truncation
            case 3: bytes[at] = char(uint8_t(bytes[at]) + (random() % 2 ? 1 : 255)); break;  // off by one
            }
            if (bytes.empty())
                break;
        }
        const ExactBytes exact(bytes);
        const std::optional<VersionBlock> block = VersionBlock::Parse(exact.span());
        if (!block)
            continue;
        ++parsed;
        ASSERT_LE(block->Length(), bytes.size());
        ReadAll(*block);
    }
    EXPECT_GT(parsed, 1000);  // the mutations reach past the root
}
