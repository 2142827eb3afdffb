// Replays the fuzz target's seeds and findings (fuzz/seeds, fuzz/crashers)
// through the same reading and extraction, so that every input that once
// crashed the engine stays an ordinary test under the sanitizers.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_archive_bytes.h"

namespace {

std::vector<std::filesystem::path> FilesIn(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(QUILLERY_TEST_DIR) / folder))
        if (entry.is_regular_file() && entry.path().filename() != "README") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

TEST(FuzzFindings, SeedsAreArchivesThatExtract) {
    testsupport::FreshMachine machine;
    const auto seeds = FilesIn("fuzz/seeds");
    ASSERT_FALSE(seeds.empty());
    for (const auto& seed : seeds)
        EXPECT_TRUE(archivetest::ReadAndExtractArchiveBytes(testsupport::ReadHostFile(seed))) << seed;
}

TEST(FuzzFindings, CrashersEndInTheEnginesOwnErrors) {
    testsupport::FreshMachine machine;
    for (const auto& crasher : FilesIn("fuzz/crashers"))
        EXPECT_NO_THROW(archivetest::ReadAndExtractArchiveBytes(testsupport::ReadHostFile(crasher))) << crasher;
}
