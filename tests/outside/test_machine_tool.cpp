// The machine tool's commands for making and inspecting a machine, run as a
// real process.

#include <gtest/gtest.h>

#include <algorithm>

#include "outside/machine_tool_process.h"
#include "support/temp_dir.h"

using testsupport::ReadHostFile;
using testsupport::TempDir;
using testsupport::ToolRun;
using testsupport::WriteHostFile;

namespace {
ToolRun Tool(const std::string& arguments) { return testsupport::RunMachineTool(arguments); }
std::string Machine(const TempDir& dir) { return testsupport::MachineOption(dir / "m"); }
}  // namespace

TEST(MachineTool, CreateInfoAndList) {
    TempDir dir;
    const ToolRun created = Tool(Machine(dir) + "create --version 98 --user Ann");
    EXPECT_EQ(created.exitCode, 0) << created.err;
    EXPECT_NE(created.out.find("Created a Windows 98 machine"), std::string::npos);

    const ToolRun info = Tool(Machine(dir) + "info");
    EXPECT_EQ(info.exitCode, 0) << info.out;
    EXPECT_NE(info.out.find("Windows:       98 (platform 1, version 4.10."), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("User:          Ann"), std::string::npos);
    EXPECT_NE(info.out.find("Windows dir:   C:\\WINDOWS"), std::string::npos);

    const ToolRun root = Tool(Machine(dir) + "ls 'C:\\'");
    EXPECT_EQ(root.exitCode, 0) << root.out;
    EXPECT_NE(root.out.find("<DIR>  PROGRA~1      Program Files"), std::string::npos) << root.out;
    EXPECT_NE(root.out.find("WINDOWS"), std::string::npos);

    WriteHostFile(dir / "m" / "drive_c" / "WINDOWS" / "hello.txt", "Hello\r\n");
    const ToolRun cat = Tool(Machine(dir) + "cat 'c:\\windows\\HELLO.TXT'");
    EXPECT_EQ(cat.exitCode, 0);
    EXPECT_EQ(cat.out, "Hello\r\n");
    const ToolRun file = Tool(Machine(dir) + "ls 'C:/Windows/hello.txt'");
    EXPECT_NE(file.out.find("           7                hello.txt"), std::string::npos) << file.out;
}

TEST(MachineTool, FloppyDisksCanBeChanged) {
    TempDir dir;
    ASSERT_EQ(Tool(Machine(dir) + "create").exitCode, 0);
    EXPECT_EQ(Tool(Machine(dir) + "floppy insert DISK2").out, "Disk 2 \"DISK2\" is in drive A:\n");
    EXPECT_EQ(Tool(Machine(dir) + "floppy insert").out, "Disk 3 is in drive A:\n");
    EXPECT_EQ(Tool(Machine(dir) + "floppy insert disk2").out, "Disk 2 \"DISK2\" is in drive A:\n");
    EXPECT_NE(Tool(Machine(dir) + "info").out.find("disk 2 label \"DISK2\""), std::string::npos);
}

TEST(MachineTool, ClearErrorsAndNoDamage) {
    TempDir dir;
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case missing[] = {
        {"info", "machine: no machine folder"},
        {"ls 'C:\\'", "machine: no machine folder"},
        {"frobnicate", "machine: unknown command \"frobnicate\""},
        {"", "usage: machine"},
        {"create --version 3.1", "unknown Windows version \"3.1\""},
        {"reg export", "machine: no machine folder"},
        {"reboot", "machine: no machine folder"},
        {"version 'C:\\WINDOWS\\x.exe'", "machine: no machine folder"},
        {"run 'C:\\WINDOWS\\x.exe'", "machine: no machine folder"},
        {"reg", "usage: machine reg export"},
    };
    for (const Case& c : missing) {
        const ToolRun run = Tool(Machine(dir) + c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "m"));

    ASSERT_EQ(Tool(Machine(dir) + "create").exitCode, 0);
    WriteHostFile(dir / "m" / "machine.ini", "[Machine]\r\nFormat=1\r\n");
    const ToolRun corrupt = Tool(Machine(dir) + "info");
    EXPECT_EQ(corrupt.exitCode, 1);
    EXPECT_NE(corrupt.err.find("corrupt machine configuration"), std::string::npos) << corrupt.err;
    EXPECT_NE(Tool(Machine(dir) + "create").exitCode, 0);
    EXPECT_EQ(ReadHostFile(dir / "m" / "machine.ini"), "[Machine]\r\nFormat=1\r\n");

    ASSERT_EQ(Tool("--machine '" + (dir / "n").string() + "' create").exitCode, 0);
    const ToolRun absent = Tool("--machine '" + (dir / "n").string() + "' cat 'C:\\nothing.txt'");
    EXPECT_EQ(absent.exitCode, 2);
    EXPECT_EQ(absent.err, "machine: C:\\nothing.txt: The system cannot find the file specified.\n");
}

TEST(MachineTool, QuilleryMachineNamesTheMachineAndHostPathsAreRelativeToTheWorkingDirectory) {
    TempDir dir;
    const std::string before = "cd " + testsupport::ShellWord(dir.path().string()) +
                               " && QUILLERY_MACHINE=" + testsupport::ShellWord((dir / "env").string());
    ASSERT_EQ(testsupport::RunMachineTool("create --version NT4", before).exitCode, 0);
    EXPECT_NE(testsupport::RunMachineTool("info", before).out.find("Windows:       NT4"), std::string::npos);

    WriteHostFile(dir / "keys.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN]\r\n\"A\"=\"1\"\r\n");
    const ToolRun imported = testsupport::RunMachineTool("reg import keys.reg", before);
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(testsupport::RunMachineTool("reg export 'HKLM\\SOFTWARE\\TARN' --regedit4", before).out,
              "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN]\r\n\"A\"=\"1\"\r\n\r\n");
}
