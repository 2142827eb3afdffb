// Processes: host programs started by Windows path, with the machine's
// environment, their arguments and show state; batch files through the
// interpreter; the Windows error codes of programs that cannot run.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/paths.h"
#include "win32/process/processes.h"
#include "win32/process/show_commands.h"

using namespace win32;

namespace {

class ProcessTest : public ::testing::Test {
protected:
    testsupport::FreshMachine machine{"XP"};

    // Installs the report program into the machine (as a plain file, without
    // the host's execute permission, the way an installer writes it).
    std::string Install(const std::string& windowsPath) {
        std::filesystem::create_directories(machine.HostPath(windowsPath).parent_path());
        testsupport::WriteHostFile(machine.HostPath(windowsPath), testsupport::ReadHostFile(REPORT_PROGRAM));
        return windowsPath;
    }

    std::string Report() const {
        const auto file = machine.Folder() / "report.txt";
        return std::filesystem::exists(file) ? testsupport::ReadHostFile(file) : std::string();
    }

    // Starts and waits; the exit code, or -1 when the start failed (the
    // last error tells why).
    static int64_t Run(const std::string& app, const std::string& commandLine, const std::string& dir = "",
                       STARTUPINFO startup = {}) {
        PROCESS_INFORMATION pi;
        if (!CreateProcess(app, commandLine, nullptr, nullptr, false, NORMAL_PRIORITY_CLASS, nullptr, dir, startup, pi))
            return -1;
        EXPECT_EQ(WaitForInputIdle(pi.hProcess, INFINITE), 0u);
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, INFINITE), WAIT_OBJECT_0);
        uint32_t code = 0;
        EXPECT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
        EXPECT_TRUE(CloseHandle(pi.hThread));
        EXPECT_TRUE(CloseHandle(pi.hProcess));
        return code;
    }
};

TEST_F(ProcessTest, ProgramByWindowsPathGetsArgumentsDirectoryShowStateAndMachine) {
    const std::string program = Install("C:\\Program Files\\Tool\\report.exe");
    STARTUPINFO startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    EXPECT_EQ(Run("", "\"" + program + "\" one \"two words\" C:\\dir\\ exit=7", "C:\\WINDOWS", startup), 7);
    const std::string expected = "run\ncwd=" + machine.HostPath("C:\\WINDOWS").string() +
                                 "\nshow=2\narg=one\narg=two words\narg=C:\\dir\\\narg=exit=7\n";
    EXPECT_EQ(Report(), expected);
    EXPECT_EQ(GetCurrentDirectory(), "C:\\") << "the caller's directory stays";
}

TEST_F(ProcessTest, ApplicationNameIsTakenAsItIsAndTheCommandLineAsTheProgramSeesIt) {
    Install("C:\\Tool\\report.exe");
    ASSERT_TRUE(SetCurrentDirectory("C:\\Tool"));
    // The command line's first word is the program's own name, not an argument.
    EXPECT_EQ(Run("report.exe", "/REGSERVER exit=3"), 3);
    EXPECT_EQ(Report(), "run\ncwd=" + machine.HostPath("C:\\Tool").string() + "\nshow=none\narg=exit=3\n");
    EXPECT_EQ(Run("report", ""), -1) << "no extension is added to an application name";
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(ProcessTest, CommandLinesAreSearchedTheWayWindowsSearches) {
    Install("C:\\Program Files\\Tool\\report.exe");
    Install("C:\\WINDOWS\\system32\\sysreport.exe");
    // Unquoted with blanks: "C:\Program" fails, then "C:\Program Files\Tool\report" + ".exe".
    EXPECT_EQ(Run("", "C:\\Program Files\\Tool\\report exit=4"), 4);
    // A bare name is found in the system folder, with ".exe" added.
    EXPECT_EQ(Run("", "sysreport exit=5"), 5);
    // A host program on Z: without extension runs by its name.
    EXPECT_EQ(Run("", "\"" + HostToWindowsPath(REPORT_PROGRAM) + "\" exit=6"), 6);
}

TEST_F(ProcessTest, ProgramsThatCannotRunFailWithTheWindowsCode) {
    ASSERT_TRUE(WriteWholeFile("C:\\pe.exe", std::string("MZ\x90\0", 4) + std::string(60, '\0')));
    ASSERT_TRUE(WriteWholeFile("C:\\readme.txt", "just text"));
    ASSERT_TRUE(CreateDirectory("C:\\folder.exe", nullptr));
    const std::string program = Install("C:\\Tool\\report.exe");
    struct Case {
        std::string app, commandLine, dir;
        uint32_t error;
    };
    for (const Case& c : {Case{"", "C:\\missing.exe", "", ERROR_FILE_NOT_FOUND},
                          Case{"", "\"C:\\no folder\\missing.exe\"", "", ERROR_PATH_NOT_FOUND},
                          Case{"", "nosuchprogram -x", "", ERROR_FILE_NOT_FOUND},
                          Case{"C:\\pe.exe", "", "", ERROR_BAD_EXE_FORMAT},
                          Case{"", "C:\\pe", "", ERROR_BAD_EXE_FORMAT},
                          Case{"C:\\readme.txt", "", "", ERROR_BAD_EXE_FORMAT},
                          Case{"C:\\folder.exe", "", "", ERROR_ACCESS_DENIED},
                          Case{"", "", "", ERROR_INVALID_PARAMETER},
                          Case{program, "", "C:\\no such dir", ERROR_DIRECTORY}}) {
        SetLastError(0);
        EXPECT_EQ(Run(c.app, c.commandLine, c.dir), -1) << c.app << "|" << c.commandLine;
        EXPECT_EQ(GetLastError(), c.error) << c.app << "|" << c.commandLine;
    }
    EXPECT_EQ(Report(), "") << "nothing ran";
}

TEST_F(ProcessTest, RunningProcessIsStillActiveUntilItEnds) {
    const std::string program = Install("C:\\Tool\\report.exe");
    const auto flag = machine.Folder() / "go";
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(CreateProcess(program, "report wait-for=" + flag.string() + " exit=9", nullptr, nullptr, false, 0,
                              nullptr, "", STARTUPINFO{}, pi));
    EXPECT_NE(pi.dwProcessId, 0u);
    uint32_t code = 0;
    ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
    EXPECT_EQ(code, STILL_ACTIVE);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 0), WAIT_TIMEOUT);
    testsupport::WriteHostFile(flag, "");
    EXPECT_EQ(WaitForSingleObject(pi.hThread, INFINITE), WAIT_OBJECT_0);
    ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
    EXPECT_EQ(code, 9u);
    EXPECT_FALSE(TerminateProcess(pi.hProcess, 1)) << "an ended process cannot be terminated";
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST_F(ProcessTest, TerminatedProcessEndsWithTheGivenCode) {
    const std::string program = Install("C:\\Tool\\report.exe");
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(CreateProcess(program, "report wait-for=" + (machine.Folder() / "never").string(), nullptr, nullptr,
                              false, 0, nullptr, "", STARTUPINFO{}, pi));
    ASSERT_TRUE(TerminateProcess(pi.hProcess, 42));
    uint32_t code = 0;
    ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
    EXPECT_EQ(code, 42u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST_F(ProcessTest, BatchFilesRunThroughTheInterpreterInTheirOwnDirectory) {
    ASSERT_TRUE(CreateDirectory("C:\\work", nullptr));
    ASSERT_TRUE(WriteWholeFile("C:\\work\\source.txt", "data"));
    ASSERT_TRUE(WriteWholeFile("C:\\tidy.bat", "@echo off\r\nmd made\r\ncopy source.txt made\\%1\r\nexit 4\r\n"));
    EXPECT_EQ(Run("", "C:\\tidy.bat copy.txt", "C:\\work"), 4);
    EXPECT_EQ(ReadWholeFile("C:\\work\\made\\copy.txt"), "data");
    EXPECT_EQ(GetCurrentDirectory(), "C:\\");
    // A bare batch name is found with its extension.
    ASSERT_TRUE(SetCurrentDirectory("C:\\"));
    EXPECT_EQ(Run("", "tidy.bat again.txt", "C:\\work"), 4);
    EXPECT_EQ(ReadWholeFile("C:\\work\\made\\again.txt"), "data");
}

TEST_F(ProcessTest, CallsOnHandlesThatAreNoProcessesFail) {
    const HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<intptr_t>(0x7777));
    EXPECT_EQ(WaitForSingleObject(bogus, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(WaitForInputIdle(bogus, 0), WAIT_FAILED);
    uint32_t code;
    EXPECT_FALSE(GetExitCodeProcess(bogus, &code));
    EXPECT_FALSE(CreateProcess("", "x", reinterpret_cast<void*>(1), nullptr, false, 0, nullptr, "", STARTUPINFO{},
                               *std::make_unique<PROCESS_INFORMATION>()));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(StartupInfo, ShowStateComesFromTheStarter) {
    ::unsetenv("QUILLERY_SHOW_WINDOW");
    STARTUPINFO info;
    GetStartupInfo(info);
    EXPECT_EQ(info.dwFlags, 0u);
    ::setenv("QUILLERY_SHOW_WINDOW", "3", 1);
    GetStartupInfo(info);
    EXPECT_EQ(info.dwFlags, STARTF_USESHOWWINDOW);
    EXPECT_EQ(info.wShowWindow, SW_SHOWMAXIMIZED);
    ::setenv("QUILLERY_SHOW_WINDOW", "junk", 1);
    GetStartupInfo(info);
    EXPECT_EQ(info.dwFlags, 0u);
    ::unsetenv("QUILLERY_SHOW_WINDOW");
}

}  // namespace
