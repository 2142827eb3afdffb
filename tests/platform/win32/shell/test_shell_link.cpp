// Shell links: the .LNK bytes we write are read back by lnkinfo (liblnk),
// an independent reader of the format, and by our own loader.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/process/show_commands.h"
#include "win32/shell/shell_link.h"

using namespace win32;

namespace {

// lnkinfo's report on a host file; empty when lnkinfo is missing.
std::string LnkInfo(const std::filesystem::path& file) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("lnkinfo '" + file.string() + "' 2>&1").c_str(), "r"), pclose);
    if (!pipe) return out;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) out.append(buffer.data(), n);
    return out;
}

bool HaveLnkInfo() { return std::system("command -v lnkinfo >/dev/null 2>&1") == 0; }

class ShellLinkTest : public ::testing::Test {
protected:
    testsupport::FreshMachine machine{"XP"};
};

TEST_F(ShellLinkTest, LnkInfoReadsEveryFieldWeSet) {
    if (!HaveLnkInfo()) GTEST_SKIP() << "lnkinfo (Debian package liblnk-utils) is not installed";
    ASSERT_TRUE(CreateDirectory("C:\\Program Files\\Quillery", nullptr));
    ASSERT_TRUE(WriteWholeFile("C:\\Program Files\\Quillery\\Quillery.exe", std::string(1234, 'x')));
    ShellLink link;
    ASSERT_EQ(link.SetPath("C:\\Program Files\\Quillery\\Quillery.exe"), S_OK);
    ASSERT_EQ(link.SetArguments("\"C:\\My Help\\help.qpx\" -x"), S_OK);
    ASSERT_EQ(link.SetWorkingDirectory("C:\\Program Files\\Quillery"), S_OK);
    ASSERT_EQ(link.SetDescription("Quillery help authoring"), S_OK);
    ASSERT_EQ(link.SetIconLocation("C:\\Program Files\\Quillery\\Quillery.exe", 2), S_OK);
    ASSERT_EQ(link.SetHotkey(static_cast<uint16_t>((HOTKEYF_CONTROL | HOTKEYF_ALT) << 8 | 'Q')), S_OK);
    ASSERT_EQ(link.SetShowCmd(SW_SHOWMAXIMIZED), S_OK);
    const std::string linkFile = "C:\\Documents and Settings\\User\\Start Menu\\Programs\\Quillery.lnk";
    ASSERT_EQ(link.Save(linkFile, true), S_OK);

    const std::string report = LnkInfo(machine.HostPath(linkFile));
    SCOPED_TRACE(report);
    EXPECT_NE(report.find("Local path\t\t\t: C:\\Program Files\\Quillery\\Quillery.exe"), std::string::npos);
    EXPECT_NE(report.find("Command line arguments\t\t: \"C:\\My Help\\help.qpx\" -x"), std::string::npos);
    EXPECT_NE(report.find("Working directory\t\t: C:\\Program Files\\Quillery"), std::string::npos);
    EXPECT_NE(report.find("Description\t\t\t: Quillery help authoring"), std::string::npos);
    EXPECT_NE(report.find("Icon location\t\t\t: C:\\Program Files\\Quillery\\Quillery.exe"), std::string::npos);
    EXPECT_NE(report.find("Relative path\t\t\t: ..\\..\\..\\..\\Program Files\\Quillery\\Quillery.exe"),
              std::string::npos);
    // This lnkinfo prints the file size for the show state and the hot key,
    // so those two are checked at their places in the header.
    const std::string bytes = testsupport::ReadHostFile(machine.HostPath(linkFile));
    ASSERT_GE(bytes.size(), 0x4Cu);
    EXPECT_EQ(bytes.substr(0x3C, 4), std::string("\x03\0\0\0", 4)) << "show command";
    EXPECT_EQ(bytes.substr(0x40, 2), std::string("\x51\x06", 2)) << "hot key";
    EXPECT_NE(report.find("Icon index\t\t\t: 2"), std::string::npos);
    EXPECT_NE(report.find("File size\t\t\t: 1234 bytes"), std::string::npos);
    EXPECT_NE(report.find("Drive type\t\t\t: Fixed"), std::string::npos);
    EXPECT_NE(report.find("Should be archived"), std::string::npos) << "the target's attributes";
}

TEST_F(ShellLinkTest, SavedLinkLoadsBackWithTheSameFields) {
    ShellLink link;
    link.SetPath("A:\\setup.exe");
    link.SetArguments("Quillery");
    link.SetIconLocation("A:\\setup.ico", -3);
    link.SetHotkey(0x0341);
    link.SetShowCmd(SW_SHOWMINNOACTIVE);
    ASSERT_EQ(link.Save("C:\\setup.lnk", false), S_OK);
    std::string cur;
    EXPECT_EQ(link.GetCurFile(cur), S_FALSE);
    EXPECT_EQ(link.IsDirty(), S_OK);

    ShellLink loaded;
    ASSERT_EQ(loaded.Load("c:\\SETUP.LNK", 0), S_OK);
    EXPECT_EQ(loaded.Data().path, "A:\\setup.exe");
    EXPECT_EQ(loaded.Data().arguments, "Quillery");
    EXPECT_EQ(loaded.Data().iconLocation, "A:\\setup.ico");
    EXPECT_EQ(loaded.Data().iconIndex, -3);
    EXPECT_EQ(loaded.Data().hotkey, 0x0341);
    EXPECT_EQ(loaded.Data().showCommand, SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(loaded.Data().relativePath.empty()) << "no relative path across drives";
    EXPECT_EQ(loaded.IsDirty(), S_FALSE);
    EXPECT_EQ(loaded.GetCurFile(cur), S_OK);
    EXPECT_EQ(cur, "c:\\SETUP.LNK");
}

TEST_F(ShellLinkTest, AnsiTextOfTheCodePageSurvives) {
    ShellLink link;
    link.SetPath("C:\\Programme\\B\xFC" "cher\\Gr\xF6\xDF" "e.exe");
    link.SetDescription("Caf\xE9");
    ASSERT_EQ(link.Save("C:\\b.lnk", true), S_OK);
    ShellLink loaded;
    ASSERT_EQ(loaded.Load("C:\\b.lnk", 0), S_OK);
    EXPECT_EQ(loaded.Data().path, "C:\\Programme\\B\xFC" "cher\\Gr\xF6\xDF" "e.exe");
    EXPECT_EQ(loaded.Data().description, "Caf\xE9");
}

TEST_F(ShellLinkTest, BadInputAndBadFilesFail) {
    ShellLink link;
    EXPECT_EQ(link.SetPath(std::string(260, 'a')), E_INVALIDARG);
    EXPECT_EQ(link.SetArguments(std::string(kMaxLinkTextLength + 1, 'a')), E_INVALIDARG);
    EXPECT_EQ(link.SetShowCmd(SW_HIDE), S_OK);
    int32_t show = 0;
    link.GetShowCmd(show);
    EXPECT_EQ(show, SW_SHOWNORMAL) << "links only know normal, maximised and minimised";

    EXPECT_EQ(link.Load("C:\\missing.lnk", 0), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(link.Save("C:\\no such folder\\x.lnk", true), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
    ASSERT_TRUE(WriteWholeFile("C:\\text.lnk", "not a link at all, just some text of a reasonable length here"));
    EXPECT_EQ(link.Load("C:\\text.lnk", 0), E_FAIL);

    // A real link cut short anywhere is refused, never read past its end.
    link.SetPath("C:\\x.exe");
    link.SetArguments("-a");
    ASSERT_EQ(link.Save("C:\\whole.lnk", false), S_OK);
    const std::string whole = *ReadWholeFile("C:\\whole.lnk");
    for (size_t cut : {size_t{10}, size_t{76}, size_t{80}, whole.size() - 8, whole.size() - 5}) {
        ASSERT_TRUE(WriteWholeFile("C:\\cut.lnk", whole.substr(0, cut)));
        EXPECT_EQ(link.Load("C:\\cut.lnk", 0), E_FAIL) << "cut at " << cut;
    }
}

TEST(RelativeLinkPath, FromTheLinkFolderToTheTarget) {
    struct Case {
        const char* link;
        const char* target;
        const char* relative;
    };
    for (const Case& c : {Case{"C:\\a\\b\\x.lnk", "C:\\a\\b\\t.exe", ".\\t.exe"},
                          Case{"C:\\a\\b\\x.lnk", "C:\\A\\B\\sub\\t.exe", ".\\sub\\t.exe"},
                          Case{"C:\\a\\b\\x.lnk", "C:\\a\\c\\t.exe", "..\\c\\t.exe"},
                          Case{"C:\\a\\b\\x.lnk", "C:\\t.exe", "..\\..\\t.exe"},
                          Case{"C:\\x.lnk", "C:\\t.exe", ".\\t.exe"},
                          Case{"C:\\a\\x.lnk", "D:\\t.exe", ""},
                          Case{"C:\\a\\x.lnk", "C:\\bad|name", ""}})
        EXPECT_EQ(RelativeLinkPath(c.link, c.target), c.relative) << c.link << " -> " << c.target;
}

}  // namespace
