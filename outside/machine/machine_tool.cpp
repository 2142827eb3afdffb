#include "machine_tool.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

#include "win32/codepage.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/find_files.h"
#include "win32/floppy.h"
#include "win32/machine.h"
#include "win32/paths.h"

namespace machinetool {

namespace {
namespace fs = std::filesystem;

// A wrong command line or a failed command: its text is the one-line error.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Invocation {
    fs::path folder;
    std::string command;
    std::vector<std::string> rest;
};

const char* kUsage =
    "usage: machine [--machine DIR] create [--version 95|98|ME|NT4|2000|XP|unknown] [--user NAME] | info | "
    "ls WINPATH | cat WINPATH | floppy insert [LABEL]";

Invocation Parse(const std::vector<std::string>& args) {
    Invocation call;
    std::optional<fs::path> folder;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] != "--machine" || i + 1 >= args.size()) throw ToolError(kUsage);
        folder = args[++i];
    }
    if (i >= args.size()) throw ToolError(kUsage);
    call.command = args[i];
    call.rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    call.folder = folder ? *folder : win32::DefaultMachineFolder();
    return call;
}

// Output of machine texts (ANSI) on the host's UTF-8 terminal.
std::string Shown(const std::string& ansi) { return win32::AnsiToUtf8(ansi); }
// Windows paths typed on the host's command line arrive as UTF-8.
std::string Typed(const std::string& utf8) { return win32::Utf8ToAnsi(utf8); }

void OpenMachine(const fs::path& folder) { win32::SwapCurrentMachine(win32::Machine::Open(folder)); }

int Create(const Invocation& call, std::ostream& out) {
    win32::MachineConfig config;
    for (size_t i = 0; i < call.rest.size(); ++i) {
        const std::string& option = call.rest[i];
        if (i + 1 >= call.rest.size() || (option != "--version" && option != "--user")) throw ToolError(kUsage);
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

int Info(const Invocation& call, std::ostream& out) {
    if (!call.rest.empty()) throw ToolError(kUsage);
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

std::string Failure(const std::string& path) {
    return Shown(path) + ": " + win32::SystemErrorMessage(win32::GetLastError());
}

int List(const Invocation& call, std::ostream& out) {
    if (call.rest.size() != 1) throw ToolError(kUsage);
    OpenMachine(call.folder);
    const std::string path = Typed(call.rest[0]);
    const auto resolved = win32::ResolveExisting(path);
    if (!resolved) throw ToolError(Failure(path));
    const std::string pattern = resolved->isDirectory ? resolved->path.Child("*").Text() : resolved->path.Text();
    win32::WIN32_FIND_DATA data;
    const win32::HANDLE search = win32::FindFirstFile(pattern, data);
    if (search == win32::INVALID_HANDLE_VALUE) {
        if (win32::GetLastError() == win32::ERROR_FILE_NOT_FOUND) return 0;  // an empty root
        throw ToolError(Failure(path));
    }
    do {
        if (data.cFileName == "." || data.cFileName == "..") continue;
        const bool folder = data.dwFileAttributes & 0x10;
        const uint64_t size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        std::string size_text = folder ? "<DIR>" : std::to_string(size);
        out << std::string(size_text.size() < 12 ? 12 - size_text.size() : 0, ' ') << size_text << "  "
            << (data.cAlternateFileName.empty() ? std::string(12, ' ')
                                                : Shown(data.cAlternateFileName) +
                                                      std::string(data.cAlternateFileName.size() < 12
                                                                      ? 12 - data.cAlternateFileName.size()
                                                                      : 0,
                                                                  ' '))
            << "  " << Shown(data.cFileName) << "\n";
    } while (win32::FindNextFile(search, data));
    win32::FindClose(search);
    return 0;
}

int Cat(const Invocation& call, std::ostream& out) {
    if (call.rest.size() != 1) throw ToolError(kUsage);
    OpenMachine(call.folder);
    const std::string path = Typed(call.rest[0]);
    const auto bytes = win32::ReadWholeFile(path);
    if (!bytes) throw ToolError(Failure(path));
    out << *bytes;
    return 0;
}

int Floppy(const Invocation& call, std::ostream& out) {
    if (call.rest.empty() || call.rest[0] != "insert" || call.rest.size() > 2) throw ToolError(kUsage);
    OpenMachine(call.folder);
    const std::string label = call.rest.size() == 2 ? Typed(call.rest[1]) : "";
    const int disk = win32::InsertFloppy(label);
    out << "Disk " << disk << (label.empty() ? "" : " \"" + Shown(win32::InsertedFloppyLabel()) + "\"")
        << " is in drive A:\n";
    return 0;
}
}  // namespace

int RunMachineTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    static const std::map<std::string, std::function<int(const Invocation&, std::ostream&)>> commands = {
        {"create", Create}, {"info", Info}, {"ls", List}, {"cat", Cat}, {"floppy", Floppy},
    };
    try {
        const Invocation call = Parse(args);
        const auto command = commands.find(call.command);
        if (command == commands.end()) throw ToolError("unknown command \"" + call.command + "\"; " + kUsage);
        return command->second(call, out);
    } catch (const ToolError& e) {
        err << "machine: " << e.what() << "\n";
        return 2;
    } catch (const win32::MachineError& e) {
        err << "machine: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "machine: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace machinetool
