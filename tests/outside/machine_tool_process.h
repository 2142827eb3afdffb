#pragma once
// Runs the built machine tool as a real process, the way people and
// scripts run it. Header-only, so that every test folder that drives the
// tool can use it (the test executables define QUILLERY_BINARY_DIR).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace testsupport {

struct ToolRun {
    int exitCode = -1;  // -1 when the tool did not end normally
    std::string out;    // standard output
    std::string err;    // standard error
};

// A word for the shell: in single quotes, with quotes inside escaped.
inline std::string ShellWord(const std::string& text) {
    std::string word = "'";
    for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// "--machine '<folder>' ", to start a tool command line.
inline std::string MachineOption(const std::filesystem::path& folder) {
    return "--machine " + ShellWord(folder.string()) + " ";
}

// Runs the tool with `arguments` (shell words, already quoted); `before`
// is shell text that comes first ("cd DIR &&", "NAME=value").
inline ToolRun RunMachineTool(const std::string& arguments, const std::string& before = "") {
    const TempDir scratch("quillery-machine-tool");
    const std::filesystem::path errors = scratch / "stderr";
    const std::string command =
        before + " " + std::string(QUILLERY_BINARY_DIR) + "/outside/machine " + arguments + " 2>" + ShellWord(errors.string());
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    for (size_t n = 0; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = std::filesystem::exists(errors) ? ReadHostFile(errors) : std::string();
    return run;
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
