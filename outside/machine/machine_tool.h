#pragma once
// The machine tool: creates and inspects simulated Windows machines.
//
//   machine [--machine DIR] create [--version 95|98|ME|NT4|2000|XP|unknown] [--user NAME]
//   machine [--machine DIR] info
//   machine [--machine DIR] ls WINPATH
//   machine [--machine DIR] cat WINPATH
//   machine [--machine DIR] floppy insert [LABEL]
//
// Without --machine the folder is QUILLERY_MACHINE or the default machine
// folder. Only create makes a machine; every other command needs one and
// never changes a folder that is not a machine.

#include <ostream>
#include <string>
#include <vector>

namespace machinetool {

// Runs the tool with its arguments (without the program name); returns the
// exit code. Results go to `out`, one-line errors to `err`.
int RunMachineTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace machinetool
