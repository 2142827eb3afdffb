// The batch interpreter on the batch files the setup program writes, and on
// the control flow and error reports around them.

#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/file_contents.h"
#include "win32/short_paths.h"
#include "win32/process/batch_interpreter.h"

using namespace win32;

namespace {

bool Exists(const std::string& path) { return GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

void Write(const std::string& path, const std::string& bytes) { ASSERT_TRUE(WriteWholeFile(path, bytes)) << path; }

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
}

TEST(BatchInterpreter, CleanupBatchRemovesTheSetupFolderEvenWithBlanksInItsPath) {
    testsupport::FreshMachine machine("XP");
    const std::string temp = GetTempPath();  // ...\Local Settings\Temp\ holds blanks
    const std::string setupDir = temp + "setup tmp";
    ASSERT_TRUE(CreateDirectory(setupDir, nullptr));
    ASSERT_TRUE(CreateDirectory(setupDir + "\\lang", nullptr));
    Write(setupDir + "\\QuilleryInstall.exe", "program");
    Write(setupDir + "\\lang\\qrviEnglish.txt", "1;Yes");
    ASSERT_TRUE(SetFileAttributes(setupDir + "\\lang\\qrviEnglish.txt", FILE_ATTRIBUTE_READONLY));
    Write(temp + "unrelated.txt", "keep");
    const std::string batch = temp + "bat1A2F.bat";
    const std::string text = "ERASE " + setupDir + "\\QuilleryInstall.exe\r\n" + "DELTREE /Y " + setupDir + "\r\n" +
                             "ERASE " + temp + "bat1A2F.PIF\r\n" + "ERASE " + batch + "\r\n";
    Write(batch, text);

    const BatchRun run = RunBatchFile(batch, {});
    EXPECT_FALSE(Exists(setupDir));
    EXPECT_FALSE(Exists(batch)) << "the batch file deletes itself";
    EXPECT_TRUE(Exists(temp + "unrelated.txt"));
    // Only the missing .PIF is reported, in the prompt's words.
    ASSERT_EQ(run.errors.size(), 1u) << Joined(run.errors);
    EXPECT_EQ(run.errors[0], "line 3: ERASE " + temp + "bat1A2F.PIF: Could Not Find " + temp + "bat1A2F.PIF");
}

TEST(BatchInterpreter, ReplaceBatchMovesTheNewFileOverTheOldOne) {
    testsupport::FreshMachine machine("XP");
    ASSERT_TRUE(CreateDirectory("C:\\Program Files\\Quillery App", nullptr));
    Write("C:\\Program Files\\Quillery App\\hwdll.dll", "old");
    Write("C:\\Program Files\\Quillery App\\hwdll.1", "new");
    const std::string oldShort = GetShortPathName("C:\\Program Files\\Quillery App\\hwdll.dll");
    const std::string newShort = GetShortPathName("C:\\Program Files\\Quillery App\\hwdll.1");
    ASSERT_FALSE(oldShort.empty());
    const BatchRun run =
        RunBatchText("erase " + oldShort + "\r\nmove " + newShort + " " + oldShort + "\r\n", "C:\\x.bat", {});
    EXPECT_TRUE(run.errors.empty()) << Joined(run.errors);
    EXPECT_EQ(ReadWholeFile("C:\\Program Files\\Quillery App\\hwdll.dll"), "new");
    EXPECT_FALSE(Exists("C:\\Program Files\\Quillery App\\hwdll.1"));
}

TEST(BatchInterpreter, ControlFlowArgumentsAndEcho) {
    testsupport::FreshMachine machine("XP");
    Write("C:\\present.txt", "x");
    const std::string text =
        "@echo off\r\n"
        "rem a comment that does nothing\r\n"
        ":: another\r\n"
        "echo start %1 100%%\r\n"
        "if exist C:\\present.txt goto found\r\n"
        "echo not reached\r\n"
        ":found\r\n"
        "if not exist \"C:\\missing file.txt\" echo missing is missing\r\n"
        "if \"%2\"==\"two\" echo second is two\r\n"
        "md C:\\made\\deep\r\n"
        "copy C:\\present.txt C:\\made\\deep\r\n"
        "if exist C:\\made\\deep\\present.txt echo copied\r\n"
        "GOTO :EOF\r\n"
        "echo after eof\r\n";
    const BatchRun run = RunBatchText(text, "C:\\flow.bat", {"one", "two"});
    EXPECT_EQ(run.output, (std::vector<std::string>{"start one 100%", "missing is missing", "second is two", "copied"}));
    EXPECT_TRUE(run.errors.empty()) << Joined(run.errors);
    EXPECT_EQ(run.exitCode, 0);
}

TEST(BatchInterpreter, EchoOnShowsEachCommandWithThePrompt) {
    testsupport::FreshMachine machine("XP");
    const BatchRun run = RunBatchText("echo hello\r\n@echo quiet\r\n", "C:\\e.bat", {});
    EXPECT_EQ(run.output, (std::vector<std::string>{"C:\\>echo hello", "hello", "quiet"}));
}

TEST(BatchInterpreter, UnknownCommandsAreReportedNeverRun) {
    struct Case {
        const char* version;
        std::vector<std::string> output;
    };
    for (const Case& c :
         {Case{"XP", {"'notepad.exe' is not recognized as an internal or external command,",
                      "operable program or batch file.", "after"}},
          Case{"98", {"Bad command or file name", "after"}}}) {
        testsupport::FreshMachine machine(c.version);
        const BatchRun run = RunBatchText("@echo off\r\nnotepad.exe C:\\x.txt\r\necho after\r\n", "C:\\u.bat", {});
        EXPECT_EQ(run.output, c.output) << c.version;
        ASSERT_EQ(run.errors.size(), 1u) << c.version;
        EXPECT_EQ(run.errors[0].rfind("line 2: notepad.exe C:\\x.txt: ", 0), 0u) << run.errors[0];
    }
}

TEST(BatchInterpreter, FailuresSetTheErrorLevelAndAMissingLabelEndsTheBatch) {
    testsupport::FreshMachine machine("98");
    Write("C:\\locked.txt", "x");
    ASSERT_TRUE(SetFileAttributes("C:\\locked.txt", FILE_ATTRIBUTE_READONLY));
    const std::string text =
        "@echo off\r\n"
        "erase C:\\locked.txt\r\n"
        "if errorlevel 1 echo erase failed\r\n"
        "del /f C:\\locked.txt\r\n"
        "if not errorlevel 1 echo forced\r\n"
        "del /p C:\\x\r\n"
        "goto nowhere\r\n"
        "echo not reached\r\n";
    const BatchRun run = RunBatchText(text, "C:\\f.bat", {});
    EXPECT_FALSE(Exists("C:\\locked.txt"));
    EXPECT_EQ(run.output, (std::vector<std::string>{"Access is denied.", "erase failed", "forced",
                                                     "Invalid switch - /P", "Label not found"}));
    EXPECT_EQ(run.errors.size(), 3u) << Joined(run.errors);
    EXPECT_EQ(run.exitCode, 1);
}

TEST(BatchInterpreter, UnreadableBatchFileIsAnError) {
    testsupport::FreshMachine machine("XP");
    const BatchRun run = RunBatchFile("C:\\none.bat", {});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.errors.size(), 1u);
    EXPECT_EQ(run.errors[0], "C:\\none.bat: The system cannot find the file specified.");
}

}  // namespace
