#pragma once
// What every command of the machine tool shares: its parsed command line,
// its one-line error, and the conversions between the host's terminal and
// the machine.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace machinetool {

// A wrong command line or a command that could not be done: its text is
// the one-line error; the tool exits with 2.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Invocation {
    std::filesystem::path folder;   // the machine folder
    std::string command;            // "create", "reg", ...
    std::vector<std::string> rest;  // the words after the command
};

// Makes the machine in `folder` the current one (with its registry).
void OpenMachine(const std::filesystem::path& folder);

// Output of machine texts (ANSI) on the host's UTF-8 terminal.
std::string Shown(const std::string& ansi);
// Windows paths typed on the host's command line arrive as UTF-8.
std::string Typed(const std::string& utf8);

// The Windows path of a path typed on the command line: one that starts
// with a drive ("C:\x", "a:x") is a Windows path; any other is a host path
// (relative ones from the host's working directory), seen through the
// machine's drives.
std::string WindowsPathArgument(const std::string& typed);

// "<path>: <text of the thread's last error>".
std::string LastErrorText(const std::string& windowsPath);

}  // namespace machinetool
