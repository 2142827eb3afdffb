// Damaged copies of the seed images through the fuzz target's lookup:
// files cut short anywhere, and version blocks whose root claims less than
// it holds. The reader answers with the documented results, never with
// data from outside the file or the block.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_version_bytes.h"
#include "win32/version/find_version_block.h"

namespace {

constexpr const char* kImagesWithVersion[] = {"quill64.exe", "driver32.exe", "writer-block.o"};

std::string Seed(const std::string& name)
{
    return testsupport::ReadHostFile(std::filesystem::path(QUILLERY_TEST_DIR) / "seeds" / name);
}

win32::VersionBlockLocation BlockOf(const std::string& image)
{
    return win32::FindVersionBlock({reinterpret_cast<const uint8_t*>(image.data()), image.size()});
}

bool operator==(const versionfuzz::VersionLookup& a, const versionfuzz::VersionLookup& b)
{
    return a.size == b.size && a.hasFixedInfo == b.hasFixedInfo && a.translations == b.translations &&
           a.strings == b.strings;
}

}  // namespace

// A file cut before the end of its block has no version; cut after it, it
// has none or the whole file's.
TEST(DamagedImages, FilesCutShort)
{
    testsupport::FreshMachine machine;
    for (const char* name : kImagesWithVersion) {
        SCOPED_TRACE(name);
        const std::string image = Seed(name);
        const win32::VersionBlockLocation block = BlockOf(image);
        ASSERT_EQ(block.error, win32::ERROR_SUCCESS);
        const versionfuzz::VersionLookup whole = versionfuzz::LookUpVersionOfBytes(image);
        for (size_t cut = 0; cut < image.size(); cut += 13) {
            SCOPED_TRACE(cut);
            const versionfuzz::VersionLookup lookup = versionfuzz::LookUpVersionOfBytes(image.substr(0, cut));
            if (cut < block.offset + block.size) {
                EXPECT_EQ(lookup.size, 0u);
            } else {
                EXPECT_TRUE(lookup.size == 0 || lookup == whole);
            }
        }
    }
}

// A root length shorter than the block cuts the block there: what lies
// beyond is not read, and a root too short for its own key is no block.
TEST(DamagedImages, BlocksShorterThanTheyAre)
{
    testsupport::FreshMachine machine;
    for (const char* name : kImagesWithVersion) {
        SCOPED_TRACE(name);
        const std::string image = Seed(name);
        const win32::VersionBlockLocation block = BlockOf(image);
        const versionfuzz::VersionLookup whole = versionfuzz::LookUpVersionOfBytes(image);
        for (size_t length = 0; length < block.size; length += 6) {
            SCOPED_TRACE(length);
            std::string damaged = image;
            damaged[block.offset] = char(length & 0xFF);
            damaged[block.offset + 1] = char(length >> 8);
            const versionfuzz::VersionLookup lookup = versionfuzz::LookUpVersionOfBytes(damaged);
            const size_t rootKey = 6 + 2 * sizeof "VS_VERSION_INFO";
            if (length < rootKey) {
                EXPECT_EQ(lookup.size, 0u);
            }
            EXPECT_LE(lookup.size, whole.size);
            EXPECT_LE(lookup.translations, whole.translations);
            EXPECT_LE(lookup.strings, whole.strings);
        }
    }
}
