// The engine's memory does not grow with the size of a member: adding and
// extracting a 256 MB file (sparse on the host) raises the peak resident
// size no more than a 16 MB file does, give or take a few buffers (the
// first run also pays for what is set up once, so the small file goes first).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "archive/cmp_TQrvlCompress.h"
#include "support/fresh_machine.h"
#include "support_peak_memory.h"

namespace {

struct PeakGrowth {
    int64_t adding, extracting;  // KiB, -1 when it cannot be measured
};

// Adds a sparse file of `megabytes` to a new archive and extracts it.
PeakGrowth AddAndExtract(int64_t megabytes) {
    testsupport::FreshMachine machine;
    const std::filesystem::path source = machine.HostPath("C:\\src\\large.bin");
    std::filesystem::create_directories(source.parent_path());
    std::ofstream(source).close();
    std::filesystem::resize_file(source, uintmax_t(megabytes << 20));
    PeakGrowth growth;
    growth.adding = archivetest::PeakGrowthKiB([] {
        TQrvlCompress engine(nullptr);
        engine.SetCompressionLevel(colFastest);
        engine.SetCompressedFile("C:\\build\\large.1");
        engine.FilesToProcess()->Add("C:\\src\\large.bin");
        engine.AddFiles(lzcOverwrite, 1);
    });
    growth.extracting = archivetest::PeakGrowthKiB([] {
        TQrvlCompress engine(nullptr);
        engine.SetCompressedFile("C:\\build\\large.1");
        engine.SetExtractDirectory("C:\\out");
        engine.FilesToProcess()->Add("C:\\src\\large.bin");
        engine.ExtractFiles();
    });
    EXPECT_EQ(std::filesystem::file_size(machine.HostPath("C:\\out\\large.bin")), uintmax_t(megabytes << 20));
    return growth;
}

}  // namespace

TEST(ArchiveMemory, PeakDoesNotGrowWithTheFile) {
    constexpr int64_t kSlackKiB = 8 << 10;
    const PeakGrowth small = AddAndExtract(16);
    if (small.adding < 0) GTEST_SKIP() << "the kernel does not let the peak resident size be reset";
    const PeakGrowth large = AddAndExtract(256);
    EXPECT_LT(large.adding, small.adding + kSlackKiB);
    EXPECT_LT(large.extracting, small.extracting + kSlackKiB);
}
