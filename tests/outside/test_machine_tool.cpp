#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <algorithm>
#include <cstdio>

#include "support/temp_dir.h"

using testsupport::ReadHostFile;
using testsupport::TempDir;
using testsupport::WriteHostFile;

namespace {
struct ToolRun {
    int exitCode;
    std::string output;  // standard output and error
};

// Runs the built tool with `arguments` (shell words, already quoted).
ToolRun Tool(const std::string& arguments) {
    const std::string command = std::string(QUILLERY_BINARY_DIR) + "/outside/machine " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer;
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Machine(const TempDir& dir) { return "--machine '" + (dir / "m").string() + "' "; }
}  // namespace

TEST(MachineTool, CreateInfoAndList) {
    TempDir dir;
    const ToolRun created = Tool(Machine(dir) + "create --version 98 --user Ann");
    EXPECT_EQ(created.exitCode, 0) << created.output;
    EXPECT_NE(created.output.find("Created a Windows 98 machine"), std::string::npos);

    const ToolRun info = Tool(Machine(dir) + "info");
    EXPECT_EQ(info.exitCode, 0) << info.output;
    EXPECT_NE(info.output.find("Windows:       98 (platform 1, version 4.10."), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("User:          Ann"), std::string::npos);
    EXPECT_NE(info.output.find("Windows dir:   C:\\WINDOWS"), std::string::npos);

    const ToolRun root = Tool(Machine(dir) + "ls 'C:\\'");
    EXPECT_EQ(root.exitCode, 0) << root.output;
    EXPECT_NE(root.output.find("<DIR>  PROGRA~1      Program Files"), std::string::npos) << root.output;
    EXPECT_NE(root.output.find("WINDOWS"), std::string::npos);

    WriteHostFile(dir / "m" / "drive_c" / "WINDOWS" / "hello.txt", "Hello\r\n");
    const ToolRun cat = Tool(Machine(dir) + "cat 'c:\\windows\\HELLO.TXT'");
    EXPECT_EQ(cat.exitCode, 0);
    EXPECT_EQ(cat.output, "Hello\r\n");
    const ToolRun file = Tool(Machine(dir) + "ls 'C:/Windows/hello.txt'");
    EXPECT_NE(file.output.find("           7                hello.txt"), std::string::npos) << file.output;
}

TEST(MachineTool, FloppyDisksCanBeChanged) {
    TempDir dir;
    ASSERT_EQ(Tool(Machine(dir) + "create").exitCode, 0);
    EXPECT_EQ(Tool(Machine(dir) + "floppy insert DISK2").output, "Disk 2 \"DISK2\" is in drive A:\n");
    EXPECT_EQ(Tool(Machine(dir) + "floppy insert").output, "Disk 3 is in drive A:\n");
    EXPECT_EQ(Tool(Machine(dir) + "floppy insert disk2").output, "Disk 2 \"DISK2\" is in drive A:\n");
    EXPECT_NE(Tool(Machine(dir) + "info").output.find("disk 2 label \"DISK2\""), std::string::npos);
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
    };
    for (const Case& c : missing) {
        const ToolRun run = Tool(Machine(dir) + c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << ": " << run.output;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "m"));

    ASSERT_EQ(Tool(Machine(dir) + "create").exitCode, 0);
    WriteHostFile(dir / "m" / "machine.ini", "[Machine]\r\nFormat=1\r\n");
    const ToolRun corrupt = Tool(Machine(dir) + "info");
    EXPECT_EQ(corrupt.exitCode, 1);
    EXPECT_NE(corrupt.output.find("corrupt machine configuration"), std::string::npos) << corrupt.output;
    EXPECT_NE(Tool(Machine(dir) + "create").exitCode, 0);
    EXPECT_EQ(ReadHostFile(dir / "m" / "machine.ini"), "[Machine]\r\nFormat=1\r\n");

    ASSERT_EQ(Tool("--machine '" + (dir / "n").string() + "' create").exitCode, 0);
    const ToolRun absent = Tool("--machine '" + (dir / "n").string() + "' cat 'C:\\nothing.txt'");
    EXPECT_EQ(absent.exitCode, 2);
    EXPECT_EQ(absent.output, "machine: C:\\nothing.txt: The system cannot find the file specified.\n");
}
