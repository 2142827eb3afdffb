// Splitting archives over floppy volumes, extracting across volumes, full
// disks, and plain copies.

#include <gtest/gtest.h>

#include "archive/archive_errors.h"
#include "archive/cmp_TQrvlCompress.h"
#include "support/build_cancel.h"
#include "support/fresh_machine.h"
#include "support/routines_FileSystem.h"
#include "support_archive.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/convert.h"
#include "win32/file_operations.h"
#include "win32/floppy.h"

using archivetest::Contents;
using archivetest::Place;

class Span : public ::testing::Test {
protected:
    void SetUp() override {
        // Incompressible members: the first crosses from volume 1 to 2, the
        // second from volume 2 to 3.
        first = archivetest::MixedBytes(2000000, 5);
        second = archivetest::MixedBytes(1500000, 6);
        Place(first, "C:\\src\\first.bin");
        Place(second, "C:\\src\\second.bin");
        engine.SetCompressionLevel(colNone);
        engine.SetCompressedFile("C:\\build\\single.1");
        engine.FilesToProcess()->Add("C:\\src\\first.bin");
        engine.FilesToProcess()->Add("C:\\src\\second.bin");
        engine.AddFiles(lzcOverwrite, 3);
    }
    // Answers every disk request with the floppy labelled by its number.
    TlzhNewDiskEvent FloppyChanger() {
        return TlzhNewDiskEvent(nullptr, [this](TQrvlCompress*, int32_t disk, std::string& path) {
            requests.push_back(disk);
            win32::InsertFloppy("DISK" + IntToStr(disk));
            path = "A:";
        });
    }
    void SpanToFloppies() {
        win32::InsertFloppy("DISK1");
        engine.SetOnNewDisk(FloppyChanger());
        engine.SpanToDisks("A:", "files.1");
    }

    testsupport::FreshMachine machine;
    TQrvlCompress engine{nullptr};
    std::string first, second;
    std::vector<int> requests;
};

TEST_F(Span, MembersCrossFloppiesWithTheirDisksAndPositions) {
    SpanToFloppies();
    EXPECT_EQ(requests, (std::vector<int>{2, 3, 1}));  // volume 1 again for the final table

    win32::InsertFloppy("DISK1");
    const std::string volume1 = Contents("A:\\files.1");
    EXPECT_EQ(archivetest::Le32(volume1, 0), 2);
    EXPECT_EQ(volume1[4], 1);
    const TFileHeaderRecord a = archivetest::HeaderAt(volume1, 5);
    const TFileHeaderRecord b = archivetest::HeaderAt(volume1, 5 + 176);
    EXPECT_EQ(a.NextHeader, 5 + 176);
    EXPECT_EQ(b.NextHeader, 5 + 2 * 176);
    EXPECT_EQ(a.StartDisk, 1);
    EXPECT_EQ(a.DataStart, 5 + 2 * 176);
    EXPECT_EQ(a.EndDisk, 2);
    EXPECT_EQ(b.StartDisk, 2);
    EXPECT_EQ(b.DataStart, a.EndPosition + 1);
    EXPECT_EQ(b.EndDisk, 3);
    win32::InsertFloppy("DISK3");
    EXPECT_EQ(b.EndPosition, int32_t(Contents("A:\\files.3").size()) - 1);

    // The streams joined across the volumes are the members' zlib streams.
    win32::InsertFloppy("DISK2");
    const std::string volume2 = Contents("A:\\files.2");
    win32::InsertFloppy("DISK3");
    const std::string volume3 = Contents("A:\\files.3");
    EXPECT_EQ(archivetest::PythonInflate(volume1.substr(size_t(a.DataStart)) + volume2.substr(0, size_t(a.EndPosition) + 1)),
              first);
    EXPECT_EQ(archivetest::PythonInflate(volume2.substr(size_t(b.DataStart)) + volume3), second);
}

TEST_F(Span, ExtractsAcrossVolumesAskingForEachDisk) {
    SpanToFloppies();
    TQrvlCompress reader(nullptr);
    requests.clear();
    reader.SetOnNewDisk(FloppyChanger());
    win32::InsertFloppy("DISK1");
    reader.SetCompressedFile("A:\\files.1");
    reader.SetExtractDirectory("C:\\out");
    reader.FilesToProcess()->Add("C:\\src\\second.bin");
    EXPECT_EQ(reader.MemberCount(), 2);  // the table is read from disk 1
    win32::InsertFloppy("DISK3");  // the wrong disk is in the drive
    reader.ExtractFiles();
    EXPECT_EQ(Contents("C:\\out\\second.bin"), second);
    EXPECT_EQ(requests, (std::vector<int>{2, 3}));
}

TEST_F(Span, DiskRequestsAnsweredFromAnotherFolder) {
    SpanToFloppies();
    for (int disk = 1; disk <= 3; ++disk) {  // copies of the disks in folders of C:
        win32::InsertFloppy("DISK" + IntToStr(disk));
        ForceDirectories("C:\\disks\\" + IntToStr(disk));
        ASSERT_TRUE(win32::CopyFile("A:\\files." + IntToStr(disk), "C:\\disks\\" + IntToStr(disk) + "\\files." +
                                        IntToStr(disk), false));
    }
    TQrvlCompress reader(nullptr);
    std::vector<std::string> asked;
    reader.SetOnNewDisk(TlzhNewDiskEvent(nullptr, [&](TQrvlCompress*, int32_t disk, std::string& path) {
        asked.push_back(path);
        path = "C:\\disks\\" + IntToStr(disk);
    }));
    reader.SetCompressedFile("C:\\disks\\1\\files.1");
    reader.SetExtractDirectory("C:\\out");
    reader.FilesToProcess()->Add("C:\\src\\first.bin");
    reader.FilesToProcess()->Add("C:\\src\\second.bin");
    reader.ExtractFiles();
    EXPECT_EQ(Contents("C:\\out\\first.bin"), first);
    EXPECT_EQ(Contents("C:\\out\\second.bin"), second);
    // Each request names the folder of the last volume; volume 2 was found
    // where volume 2 was answered before.
    EXPECT_EQ(asked, (std::vector<std::string>{"C:\\disks\\1", "C:\\disks\\2"}));
    EXPECT_EQ(reader.CompressedFile(), "C:\\disks\\3\\files.3");  // the answered requests moved it
}

TEST_F(Span, FullFloppyWithoutHandlers) {
    win32::InsertFloppy("DISK1");
    try {
        engine.SpanToDisks("A:", "files.1");
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(),
                     "There was no event handler for the OnNewDisk event, therefore no new disk could be inserted");
    }
    EXPECT_TRUE(engine.Abort());

    win32::InsertFloppy("SPARE");
    engine.SetCompressedFile("A:\\direct.1");
    engine.FilesToProcess()->Add("C:\\src\\first.bin");
    engine.FilesToProcess()->Add("C:\\src\\second.bin");
    EXPECT_THROW(engine.AddFiles(lzcOverwrite, 0), EqcDiskFull);
}

TEST_F(Span, AbortDuringSpan) {
    int aborted = 0;
    engine.SetOnAborted(TNotifyEvent(nullptr, [&](TObject*) { ++aborted; }));
    engine.SetOnStatus(TlzhFileStatsEvent(nullptr, [&](TQrvlCompress* e, const TlzhFileStats& s) {
        if (s.TotalBytesDone >= 100000) e->SetAbort(true);
    }));
    SpanToFloppies();
    EXPECT_EQ(aborted, 1);
    EXPECT_TRUE(requests.empty());
}

class PlainCopy : public ::testing::Test {
protected:
    testsupport::FreshMachine machine;
    TQrvlCompress engine{nullptr};
};

TEST_F(PlainCopy, CopiesWithDateAndStopsQuietlyOnAbort) {
    const std::string data = archivetest::MixedBytes(8192 * 5, 7);  // a multiple of the block
    Place(data, "C:\\src\\plain.bin");
    ASSERT_TRUE(WriteFileDate("C:\\src\\plain.bin", 37000.5));
    std::vector<int> percents;
    engine.SetOnStatus(TlzhFileStatsEvent(nullptr, [&](TQrvlCompress*, const TlzhFileStats& s) {
        percents.push_back(s.FilePercentDone);
    }));
    engine.CopyPlainFile("C:\\src\\plain.bin", "C:\\dest\\plain.bin");
    EXPECT_EQ(Contents("C:\\dest\\plain.bin"), data);
    EXPECT_DOUBLE_EQ(*ReadFileDate("C:\\dest\\plain.bin"), 37000.5);
    EXPECT_EQ(percents, (std::vector<int>{20, 40, 60, 80, 100, 100, 100}));

    engine.SetOnStatus(TlzhFileStatsEvent(nullptr, [&](TQrvlCompress* e, const TlzhFileStats&) { e->SetAbort(true); }));
    engine.CopyPlainFile("C:\\src\\plain.bin", "C:\\dest\\cut.bin");  // no exception
    EXPECT_EQ(Contents("C:\\dest\\cut.bin").size(), 8192u);  // the block written after Abort is the last

    engine.SetOnStatus(nullptr);
    engine.SetOverwrite(owNever);
    engine.CopyPlainFile("C:\\src\\plain.bin", "C:\\dest\\cut.bin");
    EXPECT_EQ(Contents("C:\\dest\\cut.bin").size(), 8192u);  // kept

    engine.SetOverwrite(owAlways);
    SetBuildCancelled(true);
    try {
        engine.CopyPlainFile("C:\\src\\plain.bin", "C:\\dest\\cancelled.bin");
        ADD_FAILURE();
    } catch (const EUserAbortInstall& e) {
        EXPECT_STREQ(e.what(), "Creating Install Aborted!");
    }
    SetBuildCancelled(false);
    try {
        engine.CopyPlainFile("C:\\src\\none.bin", "C:\\dest\\none.bin");
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "Cannot open the file C:\\src\\none.bin");
    }
}
