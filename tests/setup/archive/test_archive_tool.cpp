// quillery-archive run as a real process on a fresh machine: the list
// format, adding with levels, IDs and appends, extracting with --to and the
// overwrite rules, embedded archives (--offset), splitting over floppies,
// host paths, and the exit status and message of every kind of error.

#include <gtest/gtest.h>

#include <regex>

#include "archive/cmp_TQrvlCompress.h"
#include "outside/hcrtf/program_run.h"
#include "support/fresh_machine.h"
#include "support/routines_FileSystem.h"
#include "support_archive.h"
#include "vcl/system/datetime.h"
#include "win32/floppy.h"

using archivetest::Contents;
using archivetest::Place;
using testsupport::ShellWord;

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    if (start < text.size()) parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

class ArchiveTool : public ::testing::Test {
protected:
    void SetUp() override {
        text = std::string(3000, 'x') + "Help topics, jumps and popups.\r\n";
        Place(text, "C:\\src\\a.txt");
        Place(archivetest::MixedBytes(20000, 3), "C:\\src\\b.bin");
        ASSERT_TRUE(WriteFileDate("C:\\src\\a.txt", EncodeDate(2001, 2, 3) + EncodeTime(4, 5, 6, 0)));
    }
    // Runs the tool with `arguments`, each a separate word.
    testsupport::ToolRun Tool(const std::vector<std::string>& arguments) const {
        std::string line;
        for (const std::string& argument : arguments) line += ShellWord(argument) + " ";
        return testsupport::RunBuiltProgram("setup/archive/tool/quillery-archive", line, machine.Folder());
    }
    // The list output as rows of tab-separated fields.
    std::vector<std::vector<std::string>> List(const std::vector<std::string>& arguments) const {
        const testsupport::ToolRun run = Tool(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::vector<std::vector<std::string>> rows;
        for (const std::string& line : Split(run.out, '\n')) rows.push_back(Split(line, '\t'));
        return rows;
    }

    testsupport::FreshMachine machine;
    std::string text;
};

TEST_F(ArchiveTool, ListGivesElevenTabSeparatedFieldsPerMember) {
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\a.txt", "C:\\src\\b.bin", "--id", "42"}).exitCode, 0);
    const auto rows = List({"list", "C:\\build\\files.1"});
    ASSERT_EQ(rows.size(), 2u);

    TQrvlCompress engine(nullptr);
    engine.SetCompressedFile("C:\\build\\files.1");
    for (size_t i = 0; i < rows.size(); ++i) {
        const TFileHeaderRecord h = engine.GetFileStats(int(i)).Header;
        const std::vector<std::string> expected = {std::to_string(i + 1), h.Name, std::to_string(h.Size),
                                                   std::to_string(h.CompressedSize), rows[i].at(4), "42", "", "0",
                                                   std::to_string(h.DataStart), "0", std::to_string(h.EndPosition)};
        EXPECT_EQ(rows[i], expected);
        EXPECT_TRUE(std::regex_match(rows[i][4], std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"))) << rows[i][4];
    }
    EXPECT_EQ(rows[0][1], "C:\\src\\a.txt");
    EXPECT_EQ(rows[0][2], std::to_string(text.size()));
    EXPECT_EQ(rows[0][4], "2001-02-03 04:05:06");
    EXPECT_EQ(rows[0][8], "181");
}

TEST_F(ArchiveTool, LevelsChooseTheDeflateLevelOfEveryMember) {
    // The second byte of a zlib stream records the level class.
    const std::pair<const char*, uint8_t> levels[] = {{"none", 0x01}, {"fastest", 0x01}, {"default", 0x9C}, {"max", 0xDA}};
    for (const auto& [level, flags] : levels) {
        ASSERT_EQ(Tool({"add", "C:\\build\\l.1", "C:\\src\\a.txt", "--level", level}).exitCode, 0) << level;
        const std::string archive = Contents("C:\\build\\l.1");
        const TFileHeaderRecord h = archivetest::HeaderAt(archive, 5);
        EXPECT_EQ(uint8_t(archive.at(size_t(h.DataStart) + 1)), flags) << level;
        EXPECT_EQ(archivetest::PythonInflate(archive.substr(size_t(h.DataStart), size_t(h.CompressedSize))), text)
            << level;
    }
    // Without --level the engine's default, the highest level, applies.
    ASSERT_EQ(Tool({"add", "C:\\build\\l.1", "C:\\src\\a.txt"}).exitCode, 0);
    EXPECT_EQ(uint8_t(Contents("C:\\build\\l.1").at(182)), 0xDA);
}

TEST_F(ArchiveTool, AppendAddsBehindAndWithoutItTheArchiveStartsAnew) {
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\a.txt", "--id", "3"}).exitCode, 0);
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\b.bin", "--append", "--id", "1999"}).exitCode, 0);
    auto rows = List({"list", "C:\\build\\files.1"});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][1], "C:\\src\\a.txt");
    EXPECT_EQ(rows[1][1], "C:\\src\\b.bin");
    EXPECT_EQ(rows[1][0], "1");  // numbered within its own add
    EXPECT_EQ(rows[0][5], "3");
    EXPECT_EQ(rows[1][5], "1999");

    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\b.bin"}).exitCode, 0);
    rows = List({"list", "C:\\build\\files.1"});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], "C:\\src\\b.bin");
    EXPECT_EQ(rows[0][5], "0");
}

TEST_F(ArchiveTool, ExtractWritesMembersWithTheirDatesIntoTheFolder) {
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\a.txt", "C:\\src\\b.bin"}).exitCode, 0);
    const testsupport::ToolRun run =
        Tool({"extract", "C:\\build\\files.1", "c:\\SRC\\A.TXT", "C:\\src\\b.bin", "--to", "C:\\Program Files\\Out"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Contents("C:\\Program Files\\Out\\a.txt"), text);
    EXPECT_EQ(Contents("C:\\Program Files\\Out\\b.bin"), Contents("C:\\src\\b.bin"));
    EXPECT_EQ(ReadFileDate("C:\\Program Files\\Out\\a.txt"), ReadFileDate("C:\\src\\a.txt"));
}

TEST_F(ArchiveTool, OverwriteRulesDecideAboutAnExistingFile) {
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\a.txt"}).exitCode, 0);
    const TDateTime older = EncodeDate(1999, 1, 1), newer = EncodeDate(2005, 1, 1);
    struct Case {
        const char* rule;
        TDateTime existingDate;
        bool replaced;
    };
    const Case cases[] = {{"always", newer, true}, {"never", older, false}, {"date", older, true},
                          {"date", newer, false},  {"ask", newer, true},    {nullptr, newer, true}};
    for (const Case& c : cases) {
        Place("existing", "C:\\out\\a.txt");
        ASSERT_TRUE(WriteFileDate("C:\\out\\a.txt", c.existingDate));
        std::vector<std::string> arguments = {"extract", "C:\\build\\files.1", "C:\\src\\a.txt", "--to", "C:\\out"};
        if (c.rule) arguments.insert(arguments.end(), {"--overwrite", c.rule});
        const testsupport::ToolRun run = Tool(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(Contents("C:\\out\\a.txt"), c.replaced ? text : "existing") << (c.rule ? c.rule : "(none)");
    }
}

TEST_F(ArchiveTool, OffsetReadsAnArchiveEmbeddedInAnotherFile) {
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\a.txt"}).exitCode, 0);
    Place(std::string(1000, 'L') + Contents("C:\\build\\files.1"), "C:\\build\\setup.exe");
    const auto rows = List({"list", "C:\\build\\setup.exe", "--offset", "1000"});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][8], "181");  // positions stay relative to the archive
    const testsupport::ToolRun run =
        Tool({"extract", "C:\\build\\setup.exe", "C:\\src\\a.txt", "--to", "C:\\out", "--offset", "1000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Contents("C:\\out\\a.txt"), text);
}

TEST_F(ArchiveTool, HostPathsAreSeenThroughTheMachine) {
    testsupport::TempDir host("archive-tool-host");
    testsupport::WriteHostFile(host / "notes.txt", text);
    const std::string archive = (host / "notes.1").string();
    ASSERT_EQ(Tool({"add", archive, (host / "notes.txt").string()}).exitCode, 0);
    const auto rows = List({"list", archive});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], win32::HostToWindowsPath(host / "notes.txt"));
    // The member may be named by its host path too, and --to may be one.
    const testsupport::ToolRun run = Tool({"extract", archive, (host / "notes.txt").string(), "--to", (host / "out").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(testsupport::ReadHostFile(host / "out" / "notes.txt"), text);
}

TEST_F(ArchiveTool, SpanOntoFloppiesAndExtractAcrossThem) {
    const std::string big = archivetest::MixedBytes(2500000, 11);
    Place(big, "C:\\src\\big.bin");
    ASSERT_EQ(Tool({"add", "C:\\build\\big.1", "C:\\src\\a.txt", "C:\\src\\big.bin", "--level", "none"}).exitCode, 0);
    testsupport::ToolRun run = Tool({"span", "C:\\build\\big.1", "A:", "files.1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    win32::InsertFloppy("DISK2");  // the list finds the first disk by itself
    const auto rows = List({"list", "A:\\files.1"});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][7] + rows[0][9], "11");  // on disk 1 only
    EXPECT_EQ(rows[1][7], "1");
    EXPECT_EQ(rows[1][9], "2");
    EXPECT_EQ(win32::InsertedFloppyLabel(), "DISK1");

    run = Tool({"extract", "A:\\files.1", "C:\\src\\big.bin", "--to", "C:\\out"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Contents("C:\\out\\big.bin"), big);
}

TEST_F(ArchiveTool, SpanIntoAFolderWritesOneSplitVolume) {
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\a.txt", "C:\\src\\b.bin"}).exitCode, 0);
    Place("", "C:\\vol\\keep");
    ASSERT_EQ(Tool({"span", "C:\\build\\files.1", "C:\\vol", "files.1"}).exitCode, 0);
    EXPECT_EQ(Contents("C:\\vol\\files.1").at(4), 1);
    const auto rows = List({"list", "C:\\vol\\files.1"});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][8], std::to_string(5 + 2 * 176));
    EXPECT_EQ(rows[1][7] + rows[1][9], "11");
    ASSERT_EQ(Tool({"extract", "C:\\vol\\files.1", "C:\\src\\b.bin", "--to", "C:\\out"}).exitCode, 0);
    EXPECT_EQ(Contents("C:\\out\\b.bin"), Contents("C:\\src\\b.bin"));
}

TEST_F(ArchiveTool, AProgressBarShowsOnATerminalOnly) {
    const std::vector<std::string> add = {"add", "C:\\build\\files.1", "C:\\src\\a.txt", "C:\\src\\b.bin"};
    const testsupport::ToolRun piped = Tool(add);
    ASSERT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.err, "");

    // script(1) gives the tool a terminal; everything it shows comes back on the pipe.
    std::string line = "QUILLERY_MACHINE=" + ShellWord(machine.Folder().string()) + " " +
                       ShellWord(std::string(QUILLERY_BINARY_DIR) + "/setup/archive/tool/quillery-archive");
    for (const std::string& argument : add) line += " " + ShellWord(argument);
    FILE* pipe = popen(("script -qec " + ShellWord(line) + " /dev/null").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string shown;
    for (int c; (c = fgetc(pipe)) != EOF;) shown += char(c);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_NE(shown.find("\r[" + std::string(40, '#') + "] 100%"), std::string::npos) << shown;
}

TEST_F(ArchiveTool, ErrorsExitWithAStatusAndAMessage) {
    ASSERT_EQ(Tool({"add", "C:\\build\\files.1", "C:\\src\\a.txt"}).exitCode, 0);
    Place("\x03\0\0\0\0damaged", "C:\\build\\damaged.1");
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {{}, 2, "usage: quillery-archive"},
        {{"pack", "x.1"}, 2, "unknown command pack"},
        {{"list", "C:\\build\\files.1", "--verbose"}, 2, "unknown option --verbose"},
        {{"list", "C:\\build\\files.1", "--offset"}, 2, "--offset needs a value"},
        {{"list", "C:\\build\\files.1", "--offset", "ten"}, 2, "--offset needs a number"},
        {{"add", "C:\\build\\x.1", "C:\\src\\a.txt", "--level", "best"}, 2, "unknown value for --level: best"},
        {{"extract", "C:\\build\\files.1", "C:\\src\\a.txt"}, 2, "extract needs --to DIR"},
        {{"span", "C:\\build\\files.1", "C:\\vol"}, 2, "usage: quillery-archive span"},
        {{"list", "C:\\build\\missing.1"}, 1, "Cannot open the compressed file C:\\build\\missing.1"},
        {{"list", "C:\\build\\damaged.1"}, 1, "The Archive file could possible be corrupt"},
        {{"add", "C:\\build\\x.1", "C:\\src\\missing.txt"}, 1, "Cannot open the file C:\\src\\missing.txt"},
        {{"extract", "C:\\build\\files.1", "C:\\src\\other.txt", "--to", "C:\\out"},
         1,
         "The file <C:\\src\\other.txt> was not found in the archive <C:\\build\\files.1>"},
    };
    for (const Case& c : cases) {
        const testsupport::ToolRun run = Tool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.rfind("quillery-archive: ", 0), 0u) << run.err;
    }
    EXPECT_EQ(Contents("C:\\build\\files.1").substr(0, 4), std::string("\x01\0\0\0", 4));  // untouched by the failures
}
