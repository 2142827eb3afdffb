// run: starts a program of the machine as CreateProcess does and passes on
// its exit code.

#include <cstdint>
#include <string>

#include "machine_commands.h"
#include "win32/handles.h"
#include "win32/process/command_line.h"
#include "win32/process/processes.h"

namespace machinetool {

int RunCommand(const Invocation& call, std::ostream&) {
    if (call.rest.empty()) throw ToolError("usage: machine run WINPATH [ARGS...]");
    OpenMachine(call.folder);
    std::string commandLine;
    for (const std::string& word : call.rest)
        commandLine += (commandLine.empty() ? "" : " ") + win32::QuoteCommandLineWord(Typed(word));
    win32::PROCESS_INFORMATION process;
    if (!win32::CreateProcess("", commandLine, nullptr, nullptr, false, win32::NORMAL_PRIORITY_CLASS, nullptr, "",
                              win32::STARTUPINFO{}, process))
        throw ToolError(LastErrorText(Typed(call.rest[0])));
    win32::WaitForSingleObject(process.hProcess, win32::INFINITE);
    uint32_t exitCode = 0;
    win32::GetExitCodeProcess(process.hProcess, &exitCode);
    win32::CloseHandle(process.hThread);
    win32::CloseHandle(process.hProcess);
    return static_cast<int>(exitCode & 0xFF);
}

}  // namespace machinetool
