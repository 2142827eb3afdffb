// The 176-byte member header and the header table.

#include <gtest/gtest.h>

#include "archive/archive_errors.h"
#include "archive/file_headers.h"
#include "support/fresh_machine.h"
#include "support_archive.h"

using archivetest::Bytes;
using archivetest::Le32;

TEST(FileHeaderLayout, FieldsAtTheirOffsets) {
    TFileHeaderRecord r;
    r.FileNumber = 0x01020304;
    r.Date = 37257.25;
    r.EndDisk = 3;
    r.EndPosition = 0x11223344;
    r.Name = "C:\\src\\a.txt";
    r.NextHeader = 0x0A0B0C0D;
    r.Size = 70000;
    r.DataStart = 181;
    r.CompressedSize = 1234;
    r.StartDisk = 2;
    r.UniqueID = 1999;
    r.Version = "1.0.0.23";
    const TFileHeaderBytes b = EncodeFileHeader(r);
    std::string bytes(b.begin(), b.end());
    EXPECT_EQ(Le32(bytes, 0), 0x01020304);
    EXPECT_EQ(Le32(bytes, 4), 0);
    EXPECT_EQ(bytes.substr(8, 8), std::string("\x00\x00\x00\x00\x28\x31\xE2\x40", 8));  // 37257.25, as Python packs it
    EXPECT_EQ(bytes.substr(16, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(Le32(bytes, 20), 0x11223344);
    EXPECT_EQ(bytes[24], 12);
    EXPECT_EQ(bytes.substr(25, 12), "C:\\src\\a.txt");
    EXPECT_EQ(bytes.substr(37, 91), std::string(91, '\0'));  // rest of the name and padding
    EXPECT_EQ(Le32(bytes, 128), 0x0A0B0C0D);
    EXPECT_EQ(Le32(bytes, 132), 70000);
    EXPECT_EQ(Le32(bytes, 136), 181);
    EXPECT_EQ(Le32(bytes, 140), 1234);
    EXPECT_EQ(bytes.substr(144, 4), std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(Le32(bytes, 148), 1999);
    EXPECT_EQ(bytes[152], 8);
    EXPECT_EQ(bytes.substr(153, 8), "1.0.0.23");
    EXPECT_EQ(bytes.substr(161), std::string(15, '\0'));
    EXPECT_EQ(DecodeFileHeader(b), r);
}

TEST(FileHeaderLayout, LongNamesAndVersionsAreCut) {
    TFileHeaderRecord r;
    r.Name = std::string(130, 'n');
    r.Version = std::string(30, 'v');
    const TFileHeaderBytes b = EncodeFileHeader(r);
    EXPECT_EQ(b[24], 100);
    EXPECT_EQ(b[152], 20);
    EXPECT_EQ(DecodeFileHeader(b).Name, std::string(100, 'n'));
    EXPECT_EQ(DecodeFileHeader(b).Version, std::string(20, 'v'));
    // A length byte beyond its field (a damaged header) reads only the field.
    TFileHeaderBytes damaged = b;
    damaged[24] = 255;
    damaged[152] = 255;
    EXPECT_EQ(DecodeFileHeader(damaged).Name.size(), 100u);
    EXPECT_EQ(DecodeFileHeader(damaged).Version.size(), 20u);
}

class HeaderTable : public ::testing::Test {
protected:
    testsupport::FreshMachine machine;
    TFileHeaders table;
};

TEST_F(HeaderTable, SourceEntriesNumberedFromOneInEveryCall) {
    archivetest::Place("abc", "C:\\src\\One.txt");
    archivetest::Place("", "C:\\src\\two.txt");
    TStringList entries;
    entries.Add("C:\\src\\One.txt;7;extra");
    entries.Add("C:\\src\\two.txt");
    table.AddSourceEntries(entries, false);
    table.AddSourceEntries(entries, true);
    ASSERT_EQ(table.Count(), 4);
    EXPECT_EQ(table.GetFileHeaders(0).Record.Name, "C:\\src\\One.txt");
    EXPECT_EQ(table.GetFileHeaders(0).Record.Size, 3);
    EXPECT_FALSE(table.GetFileHeaders(0).Loaded);
    EXPECT_EQ(table.GetFileHeaders(2).Record.FileNumber, 1);
    EXPECT_EQ(table.GetFileHeaders(3).Record.FileNumber, 2);
    EXPECT_EQ(table.FindByName("c:\\SRC\\one.TXT;whatever"), 0);
    EXPECT_EQ(table.FindByName("C:\\src\\three.txt"), -1);

    entries.Add("C:\\src\\missing.txt");
    try {
        table.AddSourceEntries(entries, false);
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "Cannot open the file C:\\src\\missing.txt");
    }
    EXPECT_EQ(table.Count(), 4);  // nothing lost to the failed call
}

TEST_F(HeaderTable, RefusalsWithTheirMessages) {
    try {
        table.GetFileHeaders(0);
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "0 is an invalid TFileHeader index in TFileHeaders.GetFileHeaders");
    }
    TFileHeader blank;
    blank.Record.Name = "   ";
    try {
        table.Add(blank);
        FAIL();
    } catch (const EQrvlCompress& e) {
        EXPECT_STREQ(e.what(), "Tried to add an invalid file header");
    }
}

TEST_F(HeaderTable, DamagedTablesAreRefusedWithoutLooping) {
    TFileHeaderRecord r;
    r.Name = "x";
    r.NextHeader = 5 + 176;
    const std::string one = Bytes(EncodeFileHeader(r));
    r.NextHeader = 5;  // points back at itself
    const std::string backwards = Bytes(EncodeFileHeader(r));
    r.NextHeader = 5 + 176 + 1;  // past the end
    const std::string pastEnd = Bytes(EncodeFileHeader(r));
    r.Name = "";
    r.NextHeader = 5 + 176;
    const std::string blank = Bytes(EncodeFileHeader(r));
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"short count", std::string("\x01\x00", 2), "Could not read the file header count for the compressed file"},
        {"count beyond the file", std::string("\xFF\xFF\xFF\x7F\x00", 5) + one, kCorruptArchiveMessage},
        {"negative count", std::string("\xFF\xFF\xFF\xFF\x00", 5), kCorruptArchiveMessage},
        {"header pointing back", std::string("\x02\x00\x00\x00\x00", 5) + backwards + one, kCorruptArchiveMessage},
        {"header pointing past the end", std::string("\x01\x00\x00\x00\x00", 5) + pastEnd, kCorruptArchiveMessage},
        {"blank name", std::string("\x01\x00\x00\x00\x00", 5) + blank, "Tried to add an invalid file header"},
    };
    for (const Case& c : cases) {
        TMemoryStream stream;
        stream.Write(c.bytes.data(), int32_t(c.bytes.size()));
        try {
            table.ReadTable(stream, 0);
            ADD_FAILURE() << c.what;
        } catch (const EQrvlCompress& e) {
            EXPECT_STREQ(e.what(), c.message) << c.what;
        }
    }
    TMemoryStream good;
    const std::string bytes = std::string("\x01\x00\x00\x00\x00", 5) + one;
    good.Write(bytes.data(), int32_t(bytes.size()));
    table.ReadTable(good, 0);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_TRUE(table.GetFileHeaders(0).Loaded);
}

TEST_F(HeaderTable, SplitTableCarriesEveryHeader) {
    for (const char* name : {"a", "b"}) {
        TFileHeader h;
        h.Record.Name = name;
        table.Add(h);
    }
    table.Spanned = true;
    TMemoryStream stream;
    table.WriteTable(stream);
    const std::string bytes = stream.Bytes();
    ASSERT_EQ(bytes.size(), 5u + 2 * 176);
    EXPECT_EQ(bytes.substr(0, 5), std::string("\x02\x00\x00\x00\x01", 5));
    EXPECT_EQ(Le32(bytes, 5 + 128), 5 + 176);
    EXPECT_EQ(Le32(bytes, 5 + 176 + 128), 5 + 2 * 176);
    TFileHeaders read;
    read.ReadTable(stream, 0);
    EXPECT_TRUE(read.Spanned);
    EXPECT_EQ(read.GetFileHeaders(1).Record.Name, "b");
}
