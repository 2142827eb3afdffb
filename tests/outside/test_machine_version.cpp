// "machine version", run as a real process: the tool's own version block
// (ELF), a PE file by host and by Windows path, and files without one.

#include <gtest/gtest.h>

#include <filesystem>

#include "outside/machine_tool_process.h"
#include "support/temp_dir.h"

using testsupport::ShellWord;
using testsupport::ToolRun;
using testsupport::WriteHostFile;

namespace {

const std::filesystem::path kFixtures = std::filesystem::path(QUILLERY_TEST_DIR) / "../platform/win32/version/fixtures";
const std::string kTool = std::string(QUILLERY_BINARY_DIR) + "/outside/machine";

using MachineVersionTool = testsupport::MachineToolTest;

TEST_F(MachineVersionTool, TheToolCarriesItsOwnVersionBlock) {
    const ToolRun run = Tool("version " + ShellWord(kTool));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("File version:      1.0.0.23\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Product version:   1.0.0.23\n"), std::string::npos);
    EXPECT_NE(run.out.find("File type:         0x00000001\n"), std::string::npos) << "an application";
    EXPECT_NE(run.out.find("Translation:       0409 04E4\n"), std::string::npos);
    EXPECT_NE(run.out.find("\\StringFileInfo\\040904E4\\FileDescription = Quillery machine tool\n"), std::string::npos);
    EXPECT_NE(run.out.find("\\StringFileInfo\\040904E4\\FileVersion = 1.0.0.23\n"), std::string::npos);
    EXPECT_NE(run.out.find("\\StringFileInfo\\040904E4\\LegalCopyright = Copyright \u00a9 2001 TARN\n"), std::string::npos)
        << "ANSI texts are shown in UTF-8";
}

TEST_F(MachineVersionTool, PeFileByHostAndWindowsPath) {
    const std::string expected =
        "File version:      4.10.1998.65535\n"
        "Product version:   4.10.0.0\n"
        "File flags:        0x00000021 (mask 0x0000003F)\n"
        "File OS:           0x00000004\n"
        "File type:         0x00000003\n"
        "File subtype:      0x00000006\n"
        "File date:         0x0000000000000000\n"
        "Translation:       0409 04B0\n"
        "\\StringFileInfo\\040904B0\\CompanyName = Net Parts\n"
        "\\StringFileInfo\\040904B0\\FileDescription = Network driver\n"
        "\\StringFileInfo\\040904B0\\FileVersion = 4.10.1998\n"
        "\\StringFileInfo\\040904B0\\OLESelfRegister = \n"
        "\\StringFileInfo\\040904B0\\SpecialBuild = for tests\n";
    const ToolRun byHost = Tool("version " + ShellWord((kFixtures / "driver32.exe").string()));
    ASSERT_EQ(byHost.exitCode, 0) << byHost.err;
    EXPECT_EQ(byHost.out.rfind("File:              Z:\\", 0), 0u) << byHost.out;
    EXPECT_TRUE(byHost.out.ends_with(expected)) << byHost.out;

    std::filesystem::create_directories(DriveC() / "WINDOWS" / "SYSTEM32" / "drivers");
    std::filesystem::copy_file(kFixtures / "driver32.exe", DriveC() / "WINDOWS/SYSTEM32/drivers/net.sys");
    const ToolRun byWindows = Tool("version 'C:\\Windows\\System32\\drivers\\NET.SYS'");
    ASSERT_EQ(byWindows.exitCode, 0) << byWindows.err;
    EXPECT_EQ(byWindows.out, "File:              C:\\Windows\\System32\\drivers\\NET.SYS\n" + expected);
}

TEST_F(MachineVersionTool, FilesWithoutVersionInformation) {
    WriteHostFile(DriveC() / "readme.txt", "not a program\r\n");
    WriteHostFile(DriveC() / "cut.exe", "MZ\x90");
    struct Case {
        std::string path;
        int exitCode;
        std::string error;
    };
    const Case cases[] = {
        {ShellWord((kFixtures / "noversion.exe").string()), 1, "noversion.exe: no version information\n"},
        {ShellWord((kFixtures / "nores.exe").string()), 1, "nores.exe: no version information\n"},
        {"'C:\\readme.txt'", 1, "machine: C:\\readme.txt: no version information\n"},
        {"'C:\\cut.exe'", 1, "machine: C:\\cut.exe: no version information\n"},
        {"'C:\\none.exe'", 2, "machine: C:\\none.exe: The system cannot find the file specified.\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool("version " + c.path);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.path;
        EXPECT_TRUE(run.err.ends_with(c.error)) << c.path << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

}  // namespace
