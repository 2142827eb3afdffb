// Replays the version fuzz target's seeds and findings (seeds/, crashers/)
// through the same lookup, so that every input that once broke the reader
// stays an ordinary test under the sanitizers.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_version_bytes.h"

namespace {

std::filesystem::path FuzzFolder(const std::string& name) { return std::filesystem::path(QUILLERY_TEST_DIR) / name; }

std::vector<std::filesystem::path> FilesIn(const std::string& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(FuzzFolder(folder)))
        if (entry.is_regular_file() && entry.path().filename() != "README")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

struct SeedCase {
    const char* name;
    bool hasVersion;
    uint32_t translations;
    uint32_t strings;  // tables of the translation list with a FileVersion
};

constexpr SeedCase kSeeds[] = {
    {"quill64.exe", true, 3, 2},
    {"driver32.exe", true, 1, 1},
    {"writer-block.o", true, 1, 1},
    {"noversion.exe", false, 0, 0},
    {"nores.exe", false, 0, 0},
};

}  // namespace

TEST(VersionFuzzFindings, SeedsReadAsTheirSourcesSay)
{
    testsupport::FreshMachine machine;
    ASSERT_EQ(FilesIn("seeds").size(), std::size(kSeeds)) << "every seed has its line in kSeeds";
    for (const SeedCase& seed : kSeeds) {
        SCOPED_TRACE(seed.name);
        const versionfuzz::VersionLookup lookup =
            versionfuzz::LookUpVersionOfBytes(testsupport::ReadHostFile(FuzzFolder("seeds") / seed.name));
        EXPECT_EQ(lookup.size != 0, seed.hasVersion);
        EXPECT_EQ(lookup.hasFixedInfo, seed.hasVersion);
        EXPECT_EQ(lookup.translations, seed.translations);
        EXPECT_EQ(lookup.strings, seed.strings);
    }
}

TEST(VersionFuzzFindings, CrashersEndInTheDocumentedResults)
{
    testsupport::FreshMachine machine;
    for (const auto& crasher : FilesIn("crashers"))
        EXPECT_NO_THROW(versionfuzz::LookUpVersionOfBytes(testsupport::ReadHostFile(crasher))) << crasher;
}
