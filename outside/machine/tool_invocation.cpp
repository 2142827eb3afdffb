#include "tool_invocation.h"

#include <cctype>

#include "win32/codepage.h"
#include "win32/errors.h"
#include "win32/machine.h"
#include "win32/paths.h"

namespace machinetool {

void OpenMachine(const std::filesystem::path& folder) { win32::SwapCurrentMachine(win32::Machine::Open(folder)); }

std::string Shown(const std::string& ansi) { return win32::AnsiToUtf8(ansi); }

std::string Typed(const std::string& utf8) { return win32::Utf8ToAnsi(utf8); }

std::string WindowsPathArgument(const std::string& typed) {
    const bool hasDrive = typed.size() >= 2 && std::isalpha(static_cast<unsigned char>(typed[0])) && typed[1] == ':';
    return hasDrive ? Typed(typed) : win32::HostToWindowsPath(typed);
}

std::string LastErrorText(const std::string& windowsPath) {
    return Shown(windowsPath) + ": " + win32::SystemErrorMessage(win32::GetLastError());
}

}  // namespace machinetool
