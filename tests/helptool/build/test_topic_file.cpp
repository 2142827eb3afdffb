#include <gtest/gtest.h>

#include "build/BuildTextFile.h"
#include "build/MergedTables.h"
#include "build/PageIndex.h"
#include "build/PageTables.h"
#include "build/RichTextConverter.h"
#include "build/TopicWriter.h"
#include "model/PageObject.h"
#include "support/fresh_machine.h"
#include "support/machine_files.h"
#include "support_build.h"

using namespace buildtest;

namespace {

struct TopicRun {
    std::string out;
    bool linkError = false;
    std::vector<std::string> messages;
};

TopicRun WriteOneTopic(THelpProject& project, int pageIndex) {
    TopicRun run;
    RecordedMessages messages;
    const TMergedTables tables = MergeTables(project.Pages);
    const TPageIndex index(project.Pages);
    const TTopicContext context{tables, index, messages};
    run.linkError = WriteTopic(*project.PageAt(pageIndex), project.Pages.Strings(pageIndex),
                               tables.PageNumbering(static_cast<size_t>(pageIndex)), context, run.out);
    run.messages = messages.shown;
    return run;
}

TEST(WriteTopic, WritesFootnotesHeaderAndText) {
    THelpProject project;
    TPageObject& page = AddPage(project, "Start", "IDH_START", MarkerPage("##Next##"));
    page.TopicTitle = "Start {here}";
    page.IndexKeywords = "start;begin";
    SetLines(page.Header, {"{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times;}}", "\\viewkind4\\uc1\\pard\\f0\\b Title\\par", "}"});
    AddLink(page, "Next", "Start", "next");
    const TopicRun run = WriteOneTopic(project, 0);
    EXPECT_EQ(run.out, Crlf("#{\\footnote IDH_START}\n"
                            "${\\footnote Start \\{here\\}}\n"
                            "K{\\footnote start;begin}\n"
                            "\\keepn\n"
                            "\\f1\n\\b\nTitle\\par\n"
                            "\\pard\n\\b0\n"
                            "\\f0\n\\fs20\nSee \\cf2\n\n\n{\\uldb next}{\\v IDH_START}\\cf1\n\n\n here\\par\n"));
    EXPECT_TRUE(run.messages.empty());
    EXPECT_FALSE(run.linkError);
}

TEST(WriteTopic, EmptyFieldsAndTextWriteNothing) {
    THelpProject project;
    AddPage(project, "Bare", "", {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}", "no paragraph", "}"});
    EXPECT_EQ(WriteOneTopic(project, 0).out, "");
}

TEST(WriteTopic, ReportsPageErrorsButNotHeaderErrorsAsThePage) {
    THelpProject project;
    TPageObject& headed = AddPage(project, "Headed", "IDH_H", MarkerPage("##Fine##"));
    AddLink(headed, "Fine", "Headed", "fine");
    SetLines(headed.Header, MarkerPage("##Fine##"));
    AddPage(project, "Broken", "IDH_B", MarkerPage("##Missing##"));
    TPageObject& badFont = AddPage(project, "Bad font", "", {"{\\fonttbl{\\f0\\fswiss Arial;}}", "\\pard\\f3 x"});
    (void)badFont;

    const TopicRun header = WriteOneTopic(project, 0);
    EXPECT_EQ(header.messages, (std::vector<std::string>{"Illegal link found in file."}));
    EXPECT_TRUE(header.linkError);
    EXPECT_NE(header.out.find("\\pard\r\n\\b0\r\n\\f0\r\n\\fs20\r\nSee"), std::string::npos) << header.out;
    EXPECT_NE(header.out.find("{\\uldb fine}{\\v IDH_H}"), std::string::npos) << header.out;

    const TopicRun broken = WriteOneTopic(project, 1);
    EXPECT_EQ(broken.messages, (std::vector<std::string>{"Illegal link found in file.", "Error on page - Broken"}));
    EXPECT_TRUE(broken.linkError);

    const TopicRun font = WriteOneTopic(project, 2);
    EXPECT_EQ(font.messages, (std::vector<std::string>{"Illegal font found in file.", "Error on page - Bad font"}));
    EXPECT_FALSE(font.linkError);
}

TEST(MergeTables, CollectsEveryEntryOnceContentBeforeHeader) {
    THelpProject project;
    TPageObject& first = AddPage(project, "One", "", {"{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}",
                                                       "{\\colortbl ;\\red0\\green128\\blue0;}"});
    SetLines(first.Header, {"{\\fonttbl{\\f0\\fmodern Courier;}}", "{\\colortbl\\red255\\green0\\blue0;}"});
    AddPage(project, "Two", "", {"{\\fonttbl{\\f0\\froman TIMES;}{\\f1\\fswiss Arial;}{\\f2\\fnil Symbol;}}",
                                 "{\\colortbl\\red0\\green0\\blue0;\\RED0\\green128\\blue0;}"});
    const TMergedTables tables = MergeTables(project.Pages);
    EXPECT_EQ(tables.Fonts, (std::vector<std::string>{"\\fswiss Arial;}", "\\froman Times;}", "\\fmodern Courier;}",
                                                      "\\fnil Symbol;}"}));
    EXPECT_EQ(tables.Colors, (std::vector<std::string>{"\\red0\\green0\\blue0;", "\\red0\\green128\\blue0;",
                                                       "\\red255\\green0\\blue0;"}));

    // A page whose own first colour is not black still leaves black as the
    // topic file's default colour.
    THelpProject reddish;
    AddPage(reddish, "Red", "", {"{\\colortbl\\red255\\green0\\blue0;}"});
    EXPECT_EQ(MergeTables(reddish.Pages).Colors,
              (std::vector<std::string>{"\\red0\\green0\\blue0;", "\\red255\\green0\\blue0;"}));

    THelpProject uncoloured;
    AddPage(uncoloured, "Plain", "", {"{\\fonttbl{\\f0\\fswiss Arial;}}"});
    EXPECT_TRUE(MergeTables(uncoloured.Pages).Colors.empty());
}

TEST(MergeTables, NumbersEveryPageInItsOwnTables) {
    // Pages with the same table lines share a numbering; a page between
    // them with other tables has its own, and the page after it gets the
    // numbering of its own lines, not of the page before.
    const std::vector<std::string> arialTimes = {"{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}",
                                                 "{\\colortbl ;\\red0\\green128\\blue0;}"};
    const std::vector<std::string> timesArial = {"{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss Arial;}}",
                                                 "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"};
    THelpProject project;
    // One and Two share a header too, merged apart from their contents.
    const std::vector<std::string> symbolHeader = {"{\\fonttbl{\\f0\\fnil Symbol;}}"};
    SetLines(AddPage(project, "One", "", arialTimes).Header, symbolHeader);
    SetLines(AddPage(project, "Two", "", arialTimes).Header, symbolHeader);
    AddPage(project, "Three", "", timesArial);
    AddPage(project, "Four", "", arialTimes);
    SetLines(project.PageAt(3)->Header, symbolHeader);
    const TMergedTables tables = MergeTables(project.Pages);
    ASSERT_EQ(tables.Fonts, (std::vector<std::string>{"\\fswiss Arial;}", "\\froman Times;}", "\\fnil Symbol;}"}));
    ASSERT_EQ(tables.Colors, (std::vector<std::string>{kBlackColorEntry, "\\red0\\green128\\blue0;",
                                                       "\\red255\\green0\\blue0;"}));
    struct Expected {
        std::vector<int> fonts;   // merged position of the page's \f0, \f1
        std::vector<int> colors;  // merged position of the page's colour 0, 1, ...
    };
    const Expected expected[] = {{{0, 1}, {0, 1}}, {{0, 1}, {0, 1}}, {{1, 0}, {0, 2, 1}}, {{0, 1}, {0, 1}}};
    for (size_t page = 0; page < 4; ++page) {
        const TSourceNumbering& content = tables.PageNumbering(page).Content;
        EXPECT_EQ(content.MergedFont(0), expected[page].fonts[0]) << page;
        EXPECT_EQ(content.MergedFont(1), expected[page].fonts[1]) << page;
        EXPECT_EQ(content.MergedFont(2), -1) << page;
        EXPECT_EQ(content.Colors, expected[page].colors) << page;
    }
    for (size_t page : {0u, 1u, 3u}) EXPECT_EQ(tables.PageNumbering(page).Header.MergedFont(0), 2) << page;
    EXPECT_EQ(&tables.PageNumbering(1).Content, &tables.PageNumbering(0).Content);
}

TEST(WriteTopicFile, ALargeProjectGivesTheFileAndMessagesOfAPageByPageConversion) {
    // Enough pages for several batches converted on two threads, with
    // failing pages in both halves of a batch and in the last one.
    testsupport::FreshMachine machine;
    THelpProject project;
    const int pageCount = 700;
    for (int i = 0; i < pageCount; ++i) {
        const std::string name = "Page " + std::to_string(i);
        std::string marker = "##Next##";
        if (i % 97 == 5) marker = "##Missing##";  // no such link: a link error
        TPageObject& page = AddPage(project, name, "IDH_" + std::to_string(i), MarkerPage(marker));
        if (i % 131 == 7) page.Content.Add("\\f9 a font the page does not have");
        AddLink(page, "Next", "Page " + std::to_string((i + 1) % pageCount), "page " + std::to_string(i + 1));
    }
    const TMergedTables tables = MergeTables(project.Pages);
    const TPageIndex index(project.Pages);

    RecordedMessages messages;
    const TTopicContext context{tables, index, messages};
    TTopicFileResult result;
    {
        TBuildTextFile file("C:\\Topics.qrt");
        result = WriteTopicFile(file, project.Pages, context);
        file.Close();
    }

    // The same, page by page: the file's head (as an empty page list
    // writes it with the same tables), every topic, the closing brace.
    RecordedMessages expectedMessages;
    const TTopicContext pageByPage{tables, index, expectedMessages};
    const THelpProject empty;
    {
        TBuildTextFile file("C:\\Head.qrt");
        WriteTopicFile(file, empty.Pages, pageByPage);
        file.Close();
    }
    std::string expected = testsupport::MachineFileBytes("C:\\Head.qrt");
    ASSERT_EQ(expected.substr(expected.size() - 3), "}\r\n");
    expected.resize(expected.size() - 3);
    bool linkErrors = false;
    for (int i = 0; i < pageCount; ++i) {
        if (WriteTopic(*project.PageAt(i), project.Pages.Strings(i), tables.PageNumbering(static_cast<size_t>(i)),
                       pageByPage, expected))
            linkErrors = true;
        expected += "\r\n\\page\r\n\r\n";
    }
    expected += "}\r\n";

    EXPECT_TRUE(testsupport::MachineFileBytes("C:\\Topics.qrt") == expected);
    EXPECT_EQ(messages.shown, expectedMessages.shown);
    // 8 link errors and 6 font errors, each followed by its page.
    EXPECT_EQ(messages.shown.size(), 28u);
    EXPECT_TRUE(result.LinkErrors);
    EXPECT_TRUE(linkErrors);
}

}  // namespace
