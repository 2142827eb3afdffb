#pragma once
// The commands of the machine tool (machine_tool.h lists their command
// lines). Each takes the parsed invocation, writes its results to `out` and
// returns the exit code; a wrong command line or a failure it cannot get
// past is thrown as ToolError (exit 2), a damaged input as another
// exception (exit 1).

#include <ostream>

#include "tool_invocation.h"

namespace machinetool {

// create [--version V] [--user NAME]: makes a new machine.
int CreateCommand(const Invocation& call, std::ostream& out);
// info: the machine's Windows, user, folders and drives.
int InfoCommand(const Invocation& call, std::ostream& out);
// floppy insert [LABEL]: changes the disk in drive A:.
int FloppyCommand(const Invocation& call, std::ostream& out);

// ls WINPATH: a folder's entries (or one file) with sizes and short names.
int ListCommand(const Invocation& call, std::ostream& out);
// cat WINPATH: a file's bytes.
int CatCommand(const Invocation& call, std::ostream& out);

// reg export [KEY] [--regedit4] | reg import FILE: the registry in the
// registry editor's text format.
int RegistryCommand(const Invocation& call, std::ostream& out);

// reboot: what Windows does at start; exit 1 when a step failed.
int RebootCommand(const Invocation& call, std::ostream& out);

// version PATH: a file's version information; exit 1 when it has none.
int VersionCommand(const Invocation& call, std::ostream& out);

// run WINPATH [ARGS...]: starts a program of the machine, waits for it and
// exits with its exit code.
int RunCommand(const Invocation& call, std::ostream& out);

}  // namespace machinetool
