// Version comparison and the overwrite decisions over files of a machine.

#include <gtest/gtest.h>

#include "support/cmp_TVersion.h"
#include "support/fresh_machine.h"
#include "support/routines_FileSystem.h"
#include "support_fixtures.h"

using supporttest::PlaceFile;
using supporttest::PlaceFixture;
using supporttest::SetDate;

TEST(CompareVersions, Table) {
    struct Case {
        const char *a, *b;
        int result;
    } cases[] = {
        {"1.0.0.23", "1.0.0.9", 1},  // numeric parts
        {"1.0.0.9", "1.0.0.23", 2},
        {"1.0", "1.0.0.1", 2},  // the shorter is less
        {"1.0.0.1", "1.0", 1},
        {"1.0.a", "1.0.b", 2},  // string parts
        {"1.0.b", "1.0.a", 1},
        {"1.0.10a", "1.0.9a", 2},  // character by character: "1" < "9"
        {"2.0", "2.0", 0},
        {"", "", 0},
        {"", "1", 2},
        {"1", "", 1},
        {"1..2", "1..3", 0},  // an empty part ends the comparison
        {"1.2", "1..3", 1},
        {"007", "7", 0},  // as numbers
        {"a", "B", 1},  // by code, not by letter
    };
    for (const Case& c : cases) EXPECT_EQ(CompareVersions(c.a, c.b), c.result) << c.a << " vs " << c.b;
}

class Overwrite : public ::testing::Test {
protected:
    void SetUp() override {
        v23 = PlaceFixture("tool23.exe", "C:\\new\\tool.exe");
        v9 = PlaceFixture("tool9.dll", "C:\\old\\tool.exe");
        plainA = PlaceFile("no version here", "C:\\plain\\a.txt");
        plainB = PlaceFile("nor here", "C:\\plain\\b.txt");
        SetDate(v23, kLater);
        SetDate(v9, kEarlier);
        SetDate(plainA, kEarlier);
        SetDate(plainB, kEarlier);
    }
    static constexpr TDateTime kEarlier = 36892.5;  // 2001-01-01 12:00
    static constexpr TDateTime kLater = 37257.25;   // 2002-01-01 06:00
    testsupport::FreshMachine machine;
    std::string v23, v9, plainA, plainB;
};

TEST_F(Overwrite, ByNameUnderEveryRule) {
    struct Case {
        const char* what;
        std::string newFile, existing;
        TOverwriteType rule;
        int result;
    } cases[] = {
        {"always", v9, v23, owAlways, 2},
        {"never, existing", v23, v9, owNever, 3},
        {"never, missing", v23, "C:\\old\\gone.exe", owNever, 2},
        {"never, blank name", v23, "   ", owNever, 2},
        {"version newer", v23, v9, owVersion, 2},
        {"version older", v9, v23, owVersion, 3},
        {"version same", v23, v23, owVersion, 1},
        {"no versions on either side", plainA, plainB, owVersion, 1},
        {"version against none", v23, plainA, owVersion, 2},
        {"none against version", plainA, v23, owVersion, 3},
        {"date later", v23, v9, owDate, 2},
        {"date earlier", v9, v23, owDate, 3},
        {"date equal", plainA, plainB, owDate, 1},
        {"versions differ, date ignored", v9, v23, owVersionDate, 3},
        {"versions equal, date decides", plainA, plainB, owVersionDate, 1},
        {"ask", v23, v9, owAsk, 4},
        {"rule beyond ask", v23, v9, static_cast<TOverwriteType>(6), 0},
        {"date of a missing new file", "C:\\nothing.exe", v9, owDate, 0},
        {"date of a missing existing file", v23, "C:\\nothing.exe", owDate, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(IsFileNewerByName(c.newFile, c.existing, c.rule), c.result) << c.what;
}

TEST_F(Overwrite, ByVersionWithTheArchiveDate) {
    struct Case {
        const char* what;
        std::string version;
        TDateTime date;
        TOverwriteType rule;
        int result;
    } cases[] = {
        {"newer version", "1.0.0.10", kEarlier, owVersion, 2},
        {"same version", "1.0.0.9", kLater, owVersion, 1},
        {"no version against one", "", kLater, owVersion, 3},
        {"later date", "", kLater, owDate, 2},
        {"same date", "", kEarlier, owDate, 1},
        {"earlier date", "", kEarlier - 1, owDate, 3},
        {"same version, later date", "1.0.0.9", kLater, owVersionDate, 2},
        {"older version, later date", "1.0.0.8", kLater, owVersionDate, 3},
        {"never", "9.9", kLater, owNever, 3},
    };
    for (const Case& c : cases) EXPECT_EQ(IsFileNewerByVersion(c.version, v9, c.rule, c.date), c.result) << c.what;
}

TEST_F(Overwrite, ComparisonsRecreateTheProgramReader) {
    FreeVersionReader();
    EXPECT_EQ(IsFileNewerByName(v23, v9, owVersion), 2);
    EXPECT_EQ(VersionReader().FileName(), v9);
}

TEST(FileDates, TwoSecondResolutionRoundTrip) {
    testsupport::FreshMachine machine;
    const std::string file = PlaceFile("x", "C:\\dated.txt");
    // 2001-06-15 13:45:31: the odd second is dropped as a FAT volume drops it.
    ASSERT_TRUE(WriteFileDate(file, 37057 + (13 * 3600 + 45 * 60 + 31) / 86400.0));
    std::optional<TDateTime> read = ReadFileDate(file);
    ASSERT_TRUE(read);
    EXPECT_DOUBLE_EQ(*read, 37057 + (13 * 3600 + 45 * 60 + 30) / 86400.0);
    EXPECT_FALSE(ReadFileDate("C:\\missing.txt"));
    EXPECT_FALSE(WriteFileDate("C:\\missing.txt", 37057));
}
