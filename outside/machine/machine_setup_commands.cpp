// create, info and floppy insert.

#include <string>

#include "machine_commands.h"
#include "win32/directories.h"
#include "win32/floppy.h"
#include "win32/machine.h"

namespace machinetool {

int CreateCommand(const Invocation& call, std::ostream& out) {
    win32::MachineConfig config;
    for (size_t i = 0; i < call.rest.size(); ++i) {
        const std::string& option = call.rest[i];
        if (i + 1 >= call.rest.size() || (option != "--version" && option != "--user"))
            throw ToolError("usage: machine create [--version 95|98|ME|NT4|2000|XP|unknown] [--user NAME]");
        const std::string value = call.rest[++i];
        if (option == "--user") {
            if (value.empty() || value.find_first_of("\\/:*?\"<>|") != std::string::npos)
                throw ToolError("invalid user name \"" + value + "\"");
            config.userName = Typed(value);
        } else {
            const auto version = win32::WindowsVersionPreset(value);
            if (!version) throw ToolError("unknown Windows version \"" + value + "\" (95, 98, ME, NT4, 2000, XP, unknown)");
            config.version = *version;
        }
    }
    const auto machine = win32::Machine::Create(call.folder, config);
    out << "Created a Windows " << win32::WindowsVersionName(config.version) << " machine in "
        << machine->Folder().string() << "\n";
    return 0;
}

int InfoCommand(const Invocation& call, std::ostream& out) {
    if (!call.rest.empty()) throw ToolError("usage: machine info");
    OpenMachine(call.folder);
    const win32::Machine& machine = win32::CurrentMachine();
    const win32::MachineConfig& config = machine.Config();
    const win32::WindowsVersion& v = config.version;
    out << "Machine:       " << machine.Folder().string() << "\n"
        << "Windows:       " << win32::WindowsVersionName(v) << " (platform " << v.platformId << ", version " << v.major
        << "." << v.minor << "." << v.build << (v.servicePack.empty() ? "" : ", " + Shown(v.servicePack)) << ")\n"
        << "User:          " << Shown(config.userName) << "\n"
        << "Computer:      " << Shown(config.computerName) << "\n"
        << "Code page:     " << config.codePage << "\n"
        << "Windows dir:   " << Shown(win32::GetWindowsDirectory()) << "\n"
        << "System dir:    " << Shown(win32::GetSystemDirectory()) << "\n"
        << "Temp dir:      " << Shown(win32::GetTempPath()) << "\n"
        << "Drive A:       disk " << win32::InsertedFloppyNumber() << " label \"" << Shown(win32::InsertedFloppyLabel())
        << "\", " << win32::FloppyUsedBytes() << " of " << win32::kFloppyCapacity << " bytes used\n"
        << "Drive C:       " << machine.DriveCFolder().string() << "\n"
        << "Drive Z:       /\n";
    return 0;
}

int FloppyCommand(const Invocation& call, std::ostream& out) {
    if (call.rest.empty() || call.rest[0] != "insert" || call.rest.size() > 2)
        throw ToolError("usage: machine floppy insert [LABEL]");
    OpenMachine(call.folder);
    const std::string label = call.rest.size() == 2 ? Typed(call.rest[1]) : "";
    const int disk = win32::InsertFloppy(label);
    out << "Disk " << disk << (label.empty() ? "" : " \"" + Shown(win32::InsertedFloppyLabel()) + "\"")
        << " is in drive A:\n";
    return 0;
}

}  // namespace machinetool
