#pragma once
// Runs a command line through the shell as a real process and keeps what
// it wrote to standard output and standard error apart, for the tests that
// drive our programs the way people and scripts do.

#include <string>

namespace testsupport {

struct ToolRun {
    int exitCode = -1;  // -1 when the program did not end normally
    std::string out;    // standard output
    std::string err;    // standard error
};

// A word for the shell: in single quotes, with quotes inside escaped.
std::string ShellWord(const std::string& text);

// Runs `command` (shell text, already quoted) and waits for it.
ToolRun RunProgramProcess(const std::string& command);

}  // namespace testsupport
