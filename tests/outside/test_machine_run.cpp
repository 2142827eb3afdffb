// "machine run", run as a real process: batch files and host programs of
// the machine start with their arguments and pass on their exit codes.

#include <gtest/gtest.h>

#include "outside/machine_tool_process.h"
#include "support/temp_dir.h"

using testsupport::ReadHostFile;
using testsupport::ToolRun;
using testsupport::WriteHostFile;

namespace {

using MachineRunTool = testsupport::MachineToolTest;

TEST_F(MachineRunTool, BatchFileGetsItsArgumentsAndGivesItsExitCode) {
    WriteHostFile(DriveC() / "Program Files" / "My App" / "copy it.bat",
                  "@ECHO OFF\r\nCOPY %1 %2\r\nIF EXIST C:\\stop.txt EXIT 4\r\nEXIT 0\r\n");
    WriteHostFile(DriveC() / "source file.txt", "payload");

    const ToolRun copied = Tool("run 'C:\\Program Files\\My App\\copy it.bat' 'C:\\source file.txt' 'C:\\copy.txt'");
    EXPECT_EQ(copied.exitCode, 0) << copied.err;
    EXPECT_EQ(ReadHostFile(DriveC() / "copy.txt"), "payload");

    WriteHostFile(DriveC() / "stop.txt", "");
    const ToolRun stopped = Tool("run 'C:\\Program Files\\My App\\copy it.bat' 'C:\\source file.txt' 'C:\\again.txt'");
    EXPECT_EQ(stopped.exitCode, 4) << stopped.err;
    EXPECT_EQ(ReadHostFile(DriveC() / "again.txt"), "payload");
}

TEST_F(MachineRunTool, HostProgramsThroughDriveZ) {
    const ToolRun run = Tool("run 'Z:\\bin\\sh' -c 'echo \"$QUILLERY_MACHINE\"; exit 7'");
    EXPECT_EQ(run.exitCode, 7) << run.err;
    EXPECT_EQ(run.out, Folder().string() + "\n") << "the program sees the same machine";
}

TEST_F(MachineRunTool, ProgramsThatCannotStart) {
    const ToolRun missing = Tool("run 'C:\\no such\\program.exe'");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.rfind("machine: C:\\no such\\program.exe: The system cannot find the ", 0), 0u) << missing.err;
    EXPECT_EQ(Tool("run").exitCode, 2);
}

}  // namespace
