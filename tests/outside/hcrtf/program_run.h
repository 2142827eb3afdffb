#pragma once
// Runs one of the built programs (the help compiler stand-in,
// quillery-make) as a real process on a given machine, the way Quillery
// and build pipelines run them. Header-only, so that the test folders of
// both programs can use it.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "outside/machine_tool_process.h"
#include "support/temp_dir.h"

namespace testsupport {

// Runs `program` (a path in the build tree, such as "helptool/quillery-make")
// with `arguments` (shell words, already quoted) on the machine in
// `machineFolder`.
inline ToolRun RunBuiltProgram(const std::string& program, const std::string& arguments,
                               const std::filesystem::path& machineFolder) {
    const TempDir scratch("quillery-program-run");
    const std::filesystem::path errors = scratch / "stderr";
    const std::string command = "QUILLERY_MACHINE=" + ShellWord(machineFolder.string()) + " " +
                                ShellWord(std::string(QUILLERY_BINARY_DIR) + "/" + program) + " " + arguments +
                                " 2>" + ShellWord(errors.string());
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

}  // namespace testsupport
