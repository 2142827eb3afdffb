// reboot: the machine's Windows starts again.

#include <string>

#include "machine_commands.h"
#include "win32/process/boot.h"

namespace machinetool {

int RebootCommand(const Invocation& call, std::ostream& out) {
    if (!call.rest.empty()) throw ToolError("usage: machine reboot");
    OpenMachine(call.folder);
    // The boot clears the restart request and the volatile keys itself.
    const win32::BootReport report = win32::BootMachine();
    if (report.steps.empty()) out << "Nothing was waiting for the restart.\n";
    std::string text = Shown(report.Text());
    for (size_t cr = text.find("\r\n"); cr != std::string::npos; cr = text.find("\r\n", cr)) text.erase(cr, 1);
    out << text;
    return report.AllSucceeded() ? 0 : 1;
}

}  // namespace machinetool
