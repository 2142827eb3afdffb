#pragma once
// Runs the built machine tool as a real process, the way people and
// scripts run it. Header-only, so that every test folder that drives the
// tool can use it (the test executables define QUILLERY_BINARY_DIR).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/program_process.h"
#include "support/temp_dir.h"

namespace testsupport {

// "--machine '<folder>' ", to start a tool command line.
inline std::string MachineOption(const std::filesystem::path& folder) {
    return "--machine " + ShellWord(folder.string()) + " ";
}

// Runs the tool with `arguments` (shell words, already quoted); `before`
// is shell text that comes first ("cd DIR &&", "NAME=value").
inline ToolRun RunMachineTool(const std::string& arguments, const std::string& before = "") {
    return RunProgramProcess(before + " " + std::string(QUILLERY_BINARY_DIR) + "/outside/machine " + arguments);
}

// A test over a machine that the tool created (Windows XP) in a temporary
// folder, with Tool() running the tool on it.
class MachineToolTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Tool("create").exitCode, 0); }
    ToolRun Tool(const std::string& arguments) const { return RunMachineTool(MachineOption(Folder()) + arguments); }
    std::filesystem::path Folder() const { return dir / "m"; }
    std::filesystem::path DriveC() const { return Folder() / "drive_c"; }

    TempDir dir;
};

}  // namespace testsupport
