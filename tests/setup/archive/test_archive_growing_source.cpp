// A source that grows while it is added is read only as far as the size
// its header records, and the add fails instead of following it: adding an
// archive to itself once wrote until the archive reached 2 GB.

#include <gtest/gtest.h>

#include "archive/archive_errors.h"
#include "archive/cmp_TQrvlCompress.h"
#include "support/fresh_machine.h"
#include "support_archive.h"

TEST(GrowingSource, AnArchiveAddedToItselfFailsAtOnce) {
    testsupport::FreshMachine machine;
    archivetest::Place(archivetest::MixedBytes(300000, 21), "C:\\src\\data.bin");
    TQrvlCompress engine(nullptr);
    engine.SetCompressionLevel(colNone);  // the output outgrows what is read
    engine.SetCompressedFile("C:\\build\\files.1");
    engine.FilesToProcess()->Add("C:\\src\\data.bin");
    engine.AddFiles(lzcOverwrite, 1);
    const size_t before = archivetest::Contents("C:\\build\\files.1").size();

    engine.FilesToProcess()->Add("C:\\build\\files.1");
    try {
        engine.AddFiles(lzcOnlyAdd, 2);
        FAIL() << "the add succeeded";
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "The file C:\\build\\files.1 changed while it was added to the archive");
    }
    EXPECT_LT(archivetest::Contents("C:\\build\\files.1").size(), 2 * before + 65536 + 176);
}
