// Adding, listing and extracting members, with the real zlib reader checking
// what we write.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "archive/archive_errors.h"
#include "archive/cmp_TQrvlCompress.h"
#include "support/fresh_machine.h"
#include "support/pending_messages.h"
#include "support/routines_FileSystem.h"
#include "support_archive.h"
#include "vcl/files/file_routines.h"
#include "win32/paths.h"

using archivetest::Contents;
using archivetest::HeaderAt;
using archivetest::Le32;
using archivetest::Place;

class Engine : public ::testing::Test {
protected:
    void SetUp() override { engine.SetCompressedFile("C:\\build\\files.1"); }
    void TearDown() override { SetPendingMessagesHandler(nullptr); }

    void Add(std::initializer_list<std::string> files, TlzhCommand mode = lzcOverwrite, int id = 0) {
        for (const std::string& f : files) engine.FilesToProcess()->Add(f);
        engine.AddFiles(mode, id);
    }
    void Extract(const std::string& member, const std::string& to = "C:\\out") {
        engine.SetExtractDirectory(to);
        engine.FilesToProcess()->Add(member);
        engine.ExtractFiles();
    }
    std::string Archive() { return Contents("C:\\build\\files.1"); }

    testsupport::FreshMachine machine;
    TQrvlCompress engine{nullptr};
};

TEST_F(Engine, EmptyArchiveIsFiveBytes) {
    engine.AddFiles(lzcOverwrite, 0);
    EXPECT_EQ(Archive(), std::string("\0\0\0\0\0", 5));
    EXPECT_EQ(engine.MemberCount(), 0);
}

TEST_F(Engine, OneEmptyFileHoldsTheStreamOfNoInput) {
    Add({Place("", "C:\\src\\empty.txt")}, lzcOverwrite, 42);
    const std::string a = Archive();
    EXPECT_EQ(Le32(a, 0), 1);
    EXPECT_EQ(a[4], 0);
    const TFileHeaderRecord h = HeaderAt(a, 5);
    EXPECT_EQ(h.FileNumber, 1);
    EXPECT_EQ(h.Name, "C:\\src\\empty.txt");
    EXPECT_EQ(h.Size, 0);
    EXPECT_EQ(h.DataStart, 181);
    EXPECT_EQ(h.NextHeader, int32_t(a.size()));
    EXPECT_EQ(h.EndPosition, int32_t(a.size()) - 1);
    EXPECT_EQ(h.CompressedSize, int32_t(a.size()) - 181);
    EXPECT_EQ(h.UniqueID, 42);
    EXPECT_EQ(h.StartDisk, 0);
    EXPECT_EQ(h.EndDisk, 0);
    EXPECT_EQ(archivetest::PythonInflate(a.substr(181)), "");
}

TEST_F(Engine, EveryMemberInflatesWithPythonAtEveryLevel) {
    const std::map<std::string, std::string> sources = {
        {"C:\\src\\mixed.bin", archivetest::MixedBytes(300000, 1)},
        {"C:\\src\\small.txt", "hello"},
        {"C:\\src\\zeros.bin", std::string(200000, '\0')},
    };
    for (const auto& [name, bytes] : sources) Place(bytes, name);
    for (TCompressionLevel level : {colNone, colFastest, colDefault, colMax}) {
        engine.SetCompressionLevel(level);
        Add({"C:\\src\\mixed.bin", "C:\\src\\small.txt", "C:\\src\\zeros.bin"});
        const std::string a = Archive();
        ASSERT_EQ(Le32(a, 0), 3);
        size_t at = 5;
        for (int i = 0; i < 3; ++i) {
            const TFileHeaderRecord h = HeaderAt(a, at);
            EXPECT_EQ(h.FileNumber, i + 1);
            EXPECT_EQ(archivetest::PythonInflate(a.substr(size_t(h.DataStart), size_t(h.CompressedSize))),
                      sources.at(h.Name))
                << h.Name << " at level " << level;
            at = size_t(h.NextHeader);
        }
        EXPECT_EQ(at, a.size());
    }
}

TEST_F(Engine, AppendKeepsTheExistingHeaders) {
    for (const char* n : {"a", "b", "c", "d", "e"}) Place(std::string(1000, *n), std::string("C:\\src\\") + n);
    Add({"C:\\src\\a", "C:\\src\\b", "C:\\src\\c"}, lzcOverwrite, 1);
    const std::string before = Archive();
    Add({"C:\\src\\d", "C:\\src\\e"}, lzcOnlyAdd, 2);
    const std::string after = Archive();
    EXPECT_EQ(Le32(after, 0), 5);
    EXPECT_EQ(after.substr(4, before.size() - 4), before.substr(4));  // first three members unchanged
    const TFileHeaderRecord d = HeaderAt(after, before.size());
    EXPECT_EQ(d.FileNumber, 1);
    EXPECT_EQ(d.UniqueID, 2);
    EXPECT_EQ(HeaderAt(after, size_t(d.NextHeader)).FileNumber, 2);
    EXPECT_EQ(engine.MemberCount(), 5);
    EXPECT_EQ(engine.IndexOfUniqueID(1), 2);  // a later member with the same ID wins
    EXPECT_EQ(engine.IndexOfUniqueID(2), 4);
    for (int id : {0, 3, -1, 2000}) EXPECT_EQ(engine.IndexOfUniqueID(id), -1) << id;

    TQrvlCompress other(nullptr);
    other.SetCompressedFile("C:\\build\\other.1");
    other.FilesToProcess()->Add("C:\\src\\a");
    other.AddFiles(lzcOverwrite, 7);
    engine.SetCompressedFile("C:\\build\\other.1");  // another archive: its IDs only
    EXPECT_EQ(engine.IndexOfUniqueID(1), -1);
    EXPECT_EQ(engine.IndexOfUniqueID(7), 0);
}

TEST_F(Engine, StatisticsAndListing) {
    Place(archivetest::MixedBytes(100000, 2), "C:\\src\\a.bin");
    Place("", "C:\\src\\b.bin");
    Add({"C:\\src\\a.bin", "C:\\src\\b.bin"});
    std::vector<TlzhFileStats> listed;
    engine.SetOnListing(TlzhFileStatsEvent(nullptr, [&](TQrvlCompress*, const TlzhFileStats& s) { listed.push_back(s); }));
    engine.ListFiles();
    ASSERT_EQ(listed.size(), 2u);
    const TlzhFileStats& a = listed[0];
    EXPECT_EQ(a.FileName, "C:\\src\\a.bin");
    EXPECT_EQ(a.FileSize, 100000);
    EXPECT_EQ(a.TotalUnpackedSize, 100000);
    EXPECT_EQ(a.TotalPackedSize, listed[0].Header.CompressedSize + listed[1].Header.CompressedSize);
    EXPECT_EQ(a.PackRatio, uint8_t(std::lround(a.PackedSize * 100.0 / 100000)));
    EXPECT_EQ(listed[1].PackRatio, 0);  // zero divisor
    try {
        engine.GetFileStats(2);
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "Tried to access the 2th file. This file is not defined");
    }
}

TEST_F(Engine, ExtractsWithDateUnderTheMemberOrAnotherName) {
    const std::string data = archivetest::MixedBytes(150000, 3);
    Place(data, "C:\\src\\Tool.exe");
    ASSERT_TRUE(WriteFileDate("C:\\src\\Tool.exe", 37257.25));
    Add({"C:\\src\\Tool.exe"});
    std::vector<std::string> seen;
    engine.SetOnBeforeExtracting(TlzhFileStatsEvent(
        nullptr, [&](TQrvlCompress* e, const TlzhFileStats&) { seen.push_back(e->ExtractAsName()); }));
    Extract("c:\\SRC\\tool.exe", "C:\\out\\deep");
    EXPECT_EQ(Contents("C:\\out\\deep\\Tool.exe"), data);
    EXPECT_DOUBLE_EQ(*ReadFileDate("C:\\out\\deep\\Tool.exe"), 37257.25);

    engine.SetExtractAsName("Renamed.exe");
    Extract("C:\\src\\Tool.exe");
    EXPECT_EQ(Contents("C:\\out\\Renamed.exe"), data);
    EXPECT_EQ(engine.ExtractAsName(), "");
    EXPECT_EQ(seen, (std::vector<std::string>{"Tool.exe", "Renamed.exe"}));

    engine.SetExtractAsName("..\\..\\escape.exe");  // only the name part counts
    Extract("C:\\src\\Tool.exe", "C:\\out\\safe");
    EXPECT_TRUE(FileExists("C:\\out\\safe\\escape.exe"));

    try {
        Extract("C:\\src\\Other.exe");
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "The file <C:\\src\\Other.exe> was not found in the archive <C:\\build\\files.1>");
    }
    EXPECT_TRUE(engine.Abort());  // other errors set Abort
    EXPECT_EQ(engine.FilesToProcess()->Count(), 0);
}

TEST_F(Engine, OverwriteRulesDecideOverAnExistingFile) {
    Place("new", "C:\\src\\f.txt");
    ASSERT_TRUE(WriteFileDate("C:\\src\\f.txt", 37000));
    Add({"C:\\src\\f.txt"});
    struct Case {
        TOverwriteType rule;
        TDateTime existingDate;
        bool replaced;
    } cases[] = {
        {owAlways, 38000, true}, {owNever, 36000, false}, {owVersion, 36000, false},  // no versions: same
        {owDate, 36000, true},   {owDate, 37000, false},  {owDate, 38000, false},
        {owVersionDate, 36000, true}, {owAsk, 38000, true},  // asking belongs to the caller
    };
    for (const Case& c : cases) {
        Place("old", "C:\\out\\f.txt");
        ASSERT_TRUE(WriteFileDate("C:\\out\\f.txt", c.existingDate));
        int replaces = 0;
        bool done = false;
        engine.SetOnReplace(TlzhFileStatsEvent(nullptr, [&](TQrvlCompress*, const TlzhFileStats&) { ++replaces; }));
        engine.SetOnStatus(TlzhFileStatsEvent(nullptr, [&](TQrvlCompress*, const TlzhFileStats& s) { done = s.Done; }));
        engine.SetOverwrite(c.rule);
        Extract("C:\\src\\f.txt");
        EXPECT_EQ(Contents("C:\\out\\f.txt"), c.replaced ? "new" : "old") << c.rule << " " << c.existingDate;
        EXPECT_EQ(replaces, c.replaced ? 1 : 0) << c.rule;
        EXPECT_TRUE(done) << c.rule;
    }
}

TEST_F(Engine, AbortBetweenBlocksReachesOnAborted) {
    Place(archivetest::MixedBytes(2000000, 4), "C:\\src\\big.bin");
    int aborted = 0;
    engine.SetOnAborted(TNotifyEvent(nullptr, [&](TObject*) { ++aborted; }));
    engine.SetCompressionLevel(colNone);  // many output blocks
    int blocks = 0;
    SetPendingMessagesHandler([&] {
        if (++blocks == 3) engine.SetAbort(true);  // the Cancel button, pressed meanwhile
    });
    Add({"C:\\src\\big.bin"});
    EXPECT_EQ(aborted, 1);
    EXPECT_EQ(blocks, 3);

    SetPendingMessagesHandler(nullptr);
    Add({"C:\\src\\big.bin"});
    blocks = 0;
    SetPendingMessagesHandler([&] {
        if (++blocks == 5) engine.SetAbort(true);
    });
    Extract("C:\\src\\big.bin");
    EXPECT_EQ(aborted, 2);
    EXPECT_EQ(blocks, 5);
    // The block during which Cancel was pressed is still written; the partial
    // file stays.
    EXPECT_EQ(Contents("C:\\out\\big.bin").size(), 5u * 4096);
}

TEST_F(Engine, HostileMembersCannotOverrunTheirSize) {
    Place(std::string(100000, 'z'), "C:\\src\\z.bin");
    Add({"C:\\src\\z.bin"});
    std::string a = Archive();
    a[5 + 132] = 0x10;  // the recorded size becomes 16 bytes
    a[5 + 133] = 0x00;
    a[5 + 134] = 0x00;
    Place(a, "C:\\build\\files.1");
    engine.SetCompressedFile("C:\\build\\hostile.1");
    engine.SetCompressedFile("C:\\build\\files.1");
    try {
        Extract("C:\\src\\z.bin");
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(),
                     "The decompressed file's size does not match with the actual size of the file.  The file is "
                     "C:\\src\\z.bin");
    }
    EXPECT_LE(Contents("C:\\out\\z.bin").size(), 16u);
}

TEST_F(Engine, SourcesOfTwoGigabytesAreRefused) {
    Place("", "C:\\src\\huge.bin");
    std::filesystem::resize_file(*win32::WindowsToHostPath("C:\\src\\huge.bin"), int64_t(1) << 31);  // sparse
    try {
        Add({"C:\\src\\huge.bin"});
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "The file C:\\src\\huge.bin is 2 GB or larger; an archive holds only smaller files");
    }
}

TEST_F(Engine, MissingAndDamagedArchives) {
    engine.SetCompressedFile("C:\\build\\none.1");
    try {
        engine.ReadHeaders();
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "Cannot open the compressed file C:\\build\\none.1");
    }
    Place(std::string("\x10\x00\x00\x00\x00garbage", 12), "C:\\build\\bad.1");
    engine.SetCompressedFile("C:\\build\\bad.1");
    try {
        engine.MemberCount();
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), kCorruptArchiveMessage);
    }
}
