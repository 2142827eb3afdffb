#pragma once
// Runs one of the built programs (the help compiler stand-in,
// quillery-make) as a real process on a given machine, the way Quillery
// and build pipelines run them. Header-only, so that the test folders of
// both programs can use it.

#include <filesystem>
#include <string>

#include "support/program_process.h"

namespace testsupport {

// Runs `program` (a path in the build tree, such as "helptool/quillery-make")
// with `arguments` (shell words, already quoted) on the machine in
// `machineFolder`.
inline ToolRun RunBuiltProgram(const std::string& program, const std::string& arguments,
                               const std::filesystem::path& machineFolder) {
    return RunProgramProcess("QUILLERY_MACHINE=" + ShellWord(machineFolder.string()) + " " +
                             ShellWord(std::string(QUILLERY_BINARY_DIR) + "/" + program) + " " + arguments);
}

}  // namespace testsupport
