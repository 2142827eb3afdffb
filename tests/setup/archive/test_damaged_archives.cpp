// Damaged archives end in the engine's own errors: every byte of a small
// archive is altered in turn, and every length of it is tried, under the
// sanitizers, and reading and extracting may only raise EQrvlCompress.

#include <gtest/gtest.h>

#include "archive/archive_errors.h"
#include "archive/cmp_TQrvlCompress.h"
#include "support/fresh_machine.h"
#include "support_archive.h"

using archivetest::Place;

namespace {

// Reads and extracts everything; true when it worked, false for an
// EQrvlCompress. Anything else escapes and fails the test.
bool ReadAndExtract(TQrvlCompress& engine) {
    try {
        engine.SetCompressedFile("C:\\other.1");
        engine.SetCompressedFile("C:\\damaged.1");  // forget the loaded headers
        const int count = engine.MemberCount();
        for (int i = 0; i < count; ++i) engine.FilesToProcess()->Add(engine.GetFileStats(i).FileName);
        engine.SetExtractDirectory("C:\\out");
        engine.ExtractFiles();
        return true;
    } catch (const EQrvlCompress&) {
        return false;
    }
}

}  // namespace

TEST(DamagedArchives, EveryByteAndEveryLengthEndsCleanly) {
    testsupport::FreshMachine machine;
    TQrvlCompress engine(nullptr);
    Place("first member text, first member text", "C:\\src\\a.txt");
    Place(archivetest::MixedBytes(5000, 9), "C:\\src\\b.bin");
    engine.SetCompressedFile("C:\\good.1");
    engine.FilesToProcess()->Add("C:\\src\\a.txt");
    engine.FilesToProcess()->Add("C:\\src\\b.bin");
    engine.AddFiles(lzcOverwrite, 1);
    const std::string good = archivetest::Contents("C:\\good.1");

    Place(good, "C:\\damaged.1");
    ASSERT_TRUE(ReadAndExtract(engine));
    for (size_t at = 0; at < good.size(); at += (at < 400 ? 1 : 97)) {
        for (uint8_t change : {uint8_t(0xFF), uint8_t(0x80), uint8_t(0x01)}) {
            std::string damaged = good;
            damaged[at] = char(uint8_t(damaged[at]) ^ change);
            Place(damaged, "C:\\damaged.1");
            ReadAndExtract(engine);
        }
    }
    for (size_t length = 0; length < good.size(); length += (length < 400 ? 1 : 211)) {
        Place(good.substr(0, length), "C:\\damaged.1");
        EXPECT_FALSE(ReadAndExtract(engine)) << length;
    }
}
