#pragma once
// The machine tool: creates, inspects and restarts simulated Windows
// machines.
//
//   machine [--machine DIR] create [--version 95|98|ME|NT4|2000|XP|unknown] [--user NAME]
//   machine [--machine DIR] info
//   machine [--machine DIR] ls WINPATH
//   machine [--machine DIR] cat WINPATH
//   machine [--machine DIR] floppy insert [LABEL]
//   machine [--machine DIR] reg export [KEY] [--regedit4]
//   machine [--machine DIR] reg import FILE
//   machine [--machine DIR] reboot
//   machine [--machine DIR] version PATH
//   machine [--machine DIR] run WINPATH [ARGS...]
//
// Without --machine the folder is QUILLERY_MACHINE or the default machine
// folder. Only create makes a machine; every other command needs one and
// never changes a folder that is not a machine. FILE and PATH are Windows
// paths when they start with a drive ("C:\..."), else host paths.
//
// Exit codes: 0 done; 1 the input was damaged or a step failed (a bad
// registry file, a boot step, a file without version information); 2 a
// wrong command line or a command that could not be done; run passes on
// the program's exit code.

#include <ostream>
#include <string>
#include <vector>

namespace machinetool {

// Runs the tool with its arguments (without the program name); returns the
// exit code. Results go to `out`, one-line errors to `err`.
int RunMachineTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace machinetool
