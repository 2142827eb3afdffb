// ShellExecute: programs with parameters, documents by their registered
// class, addresses and internet shortcuts, and the Windows result codes.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/file_contents.h"
#include "win32/paths.h"
#include "win32/process/show_commands.h"
#include "win32/profile_files.h"
#include "win32/registry/registry.h"
#include "win32/shell/shell_execute.h"

using namespace win32;

namespace {

class ShellExecuteTest : public ::testing::Test {
protected:
    ShellExecuteTest() { OpenMachineRegistry(machine.Folder().string()); }
    ~ShellExecuteTest() override { CloseMachineRegistry(); }

    static void SetClass(const std::string& key, const std::string& value) {
        ASSERT_EQ(RegSetValue(HKEY_CLASSES_ROOT, key, REG_SZ, value), ERROR_SUCCESS);
    }
    static bool Exists(const std::string& path) { return GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

    // The report of the started host program, once it has written `lines`
    // lines (the program is not waited for by ShellExecute).
    std::string ReportOf(size_t lines) const {
        const auto file = machine.Folder() / "report.txt";
        for (int tries = 0; tries < 3000; ++tries) {
            if (std::filesystem::exists(file)) {
                const std::string text = testsupport::ReadHostFile(file);
                if (static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) >= lines) return text;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return "<no report>";
    }

    testsupport::FreshMachine machine{"XP"};
};

TEST_F(ShellExecuteTest, ProgramGetsItsParametersAndShowState) {
    ASSERT_TRUE(CreateDirectory("C:\\Quillery", nullptr));
    ASSERT_TRUE(CreateDirectory("C:\\Quillery\\Tools", nullptr));
    testsupport::WriteHostFile(machine.HostPath("C:\\Quillery\\Tools\\hcrtf.exe"),
                               testsupport::ReadHostFile(REPORT_PROGRAM));
    EXPECT_GT(ShellExecute(nullptr, "open", "C:\\Quillery\\Tools\\hcrtf.exe", "-x C:\\My Help\\help.qhp", "", SW_SHOW),
              32);
    EXPECT_EQ(ReportOf(6), "run\ncwd=" + machine.HostPath("C:\\").string() +
                               "\nshow=5\narg=-x\narg=C:\\My\narg=Help\\help.qhp\n");
}

TEST_F(ShellExecuteTest, DocumentOpensThroughItsRegisteredClass) {
    ASSERT_TRUE(WriteWholeFile("C:\\open.bat", "@echo off\r\ncopy %1 C:\\opened.qpx\r\nif \"%2\"==\"\" md C:\\one-arg\r\n"));
    SetClass(".qpx", "QuilleryProject");
    SetClass("QuilleryProject\\shell\\open\\command", "C:\\open.bat \"%1\"");
    ASSERT_TRUE(CreateDirectory("C:\\My Help", nullptr));
    ASSERT_TRUE(WriteWholeFile("C:\\My Help\\guide.QPX", "project"));
    EXPECT_GT(ShellExecute(nullptr, "", "C:\\My Help\\guide.QPX", "", "", SW_SHOWNORMAL), 32);
    EXPECT_EQ(ReadWholeFile("C:\\opened.qpx"), "project");
    EXPECT_TRUE(Exists("C:\\one-arg")) << "the quoted path is one argument";
}

TEST_F(ShellExecuteTest, AddressesAndInternetShortcutsOpenByTheirProtocol) {
    ASSERT_TRUE(WriteWholeFile("C:\\browse.bat", "@echo off\r\nif \"%1\"==\"http://www.example.com/help\" md C:\\visited\r\n"));
    SetClass("http\\shell\\open\\command", "C:\\browse.bat %1");
    ASSERT_TRUE(WritePrivateProfileString("InternetShortcut", std::string("URL"),
                                          std::string("http://www.example.com/help"), "C:\\Maker.URL"));
    EXPECT_GT(ShellExecute(nullptr, "open", "C:\\Maker.URL", "", "", SW_SHOWNORMAL), 32);
    EXPECT_TRUE(Exists("C:\\visited"));
    ASSERT_TRUE(RemoveDirectory("C:\\visited"));
    EXPECT_GT(ShellExecute(nullptr, "open", "http://www.example.com/help", "", "", SW_SHOWNORMAL), 32);
    EXPECT_TRUE(Exists("C:\\visited"));
    EXPECT_EQ(ShellExecute(nullptr, "open", "ftp://files.example.com/", "", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);
}

TEST_F(ShellExecuteTest, FailuresGiveTheWindowsCodes) {
    ASSERT_TRUE(WriteWholeFile("C:\\notes.xyz", "x"));
    ASSERT_TRUE(WriteWholeFile("C:\\pe.exe", std::string("MZ\x90\0", 4)));
    ASSERT_TRUE(WriteWholeFile("C:\\half.hlf", "x"));
    SetClass(".hlf", "HalfClass");  // a class without commands
    SetClass(".lost", "LostClass");
    SetClass("LostClass\\shell\\open\\command", "C:\\gone\\viewer.exe %1");
    ASSERT_TRUE(WriteWholeFile("C:\\doc.lost", "x"));
    struct Case {
        const char* verb;
        const char* file;
        intptr_t result;
    };
    for (const Case& c : {Case{"open", "C:\\missing.exe", SE_ERR_FNF},
                          Case{"open", "C:\\no folder\\missing.txt", SE_ERR_PNF},
                          Case{"open", "nosuchprogram", SE_ERR_FNF},
                          Case{"open", "C:\\notes.xyz", SE_ERR_NOASSOC},
                          Case{"open", "C:\\half.hlf", SE_ERR_NOASSOC},
                          Case{"print", "C:\\doc.lost", SE_ERR_NOASSOC},
                          Case{"open", "C:\\doc.lost", SE_ERR_PNF},
                          Case{"open", "C:\\pe.exe", SE_ERR_BAD_FORMAT},
                          Case{"open", "C:\\WINDOWS", SE_ERR_NOASSOC}})
        EXPECT_EQ(ShellExecute(nullptr, c.verb, c.file, "", "", SW_SHOWNORMAL), c.result) << c.verb << " " << c.file;
}

}  // namespace
