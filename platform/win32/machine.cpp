#include "win32/machine.h"

#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <random>

#include "win32/codepage.h"
#include "win32/floppy.h"
#include "win32/host_names.h"
#include "win32/registry/default_registry.h"
#include "win32/registry/registry.h"
#include "win32/short_names.h"

namespace win32 {

namespace fs = std::filesystem;

namespace {
bool IsMissingOrEmpty(const fs::path& folder) {
    std::error_code error;
    if (!fs::exists(folder, error)) return true;
    return fs::is_directory(folder, error) && fs::is_empty(folder, error);
}

// Creates every folder of the layout in a new drive C: folder, giving each
// its short name in creation order as Windows does.
void CreateLayout(const fs::path& driveC, const MachineLayout& layout) {
    fs::create_directories(driveC);
    for (const std::string& folder : layout.AllFolders()) {
        fs::path host = driveC;
        size_t start = 3;  // after "C:\"
        while (start <= folder.size()) {
            const size_t end = std::min(folder.find('\\', start), folder.size());
            const std::string name = folder.substr(start, end - start);
            const fs::path next = host / AnsiToHostName(name);
            if (!fs::exists(next)) {
                fs::create_directory(next);
                ShortNameOf(host, name);
            }
            host = next;
            start = end + 1;
        }
    }
}

std::mutex& CurrentMutex() {
    static std::mutex mutex;
    return mutex;
}
std::unique_ptr<Machine>& CurrentSlot() {
    static std::unique_ptr<Machine> current;
    return current;
}

// The registry a new installation of the machine's Windows holds.
void WriteNewRegistry(const fs::path& folder, const MachineConfig& config) {
    RegistryStore store((folder / kRegistryFile).string());
    WriteDefaultRegistry(store, config, StandardLayout(config));
}

// The process takes the ANSI code page and the registry of the machine it
// runs on. A machine made before it had a registry gets its default one.
void UseMachine(const Machine* machine) {
    const uint32_t page = machine ? machine->Config().codePage : 1252;
    if (IsValidCodePage(page) && page != CP_UTF8 && page != CP_ACP) SetACP(page);
    if (!machine) {
        CloseMachineRegistry();
        return;
    }
    try {
        std::error_code error;
        if (!fs::exists(machine->Folder() / kRegistryFile, error))
            WriteNewRegistry(machine->Folder(), machine->Config());
        OpenMachineRegistry(machine->Folder().string());
    } catch (const RegistryStoreError& e) {
        throw MachineError("cannot open the registry of the machine " + machine->Folder().string() + ": " + e.what());
    }
}
}  // namespace

Machine::Machine(fs::path folder, MachineConfig config) : folder_(std::move(folder)), config_(std::move(config)) {}

std::unique_ptr<Machine> Machine::Open(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) throw MachineError("no machine folder " + folder.string());
    MachineConfig config = ReadMachineConfig(folder);
    if (!fs::is_directory(folder / kDriveCFolder, error))
        throw MachineError("corrupt machine " + folder.string() + ": its drive C: folder " + kDriveCFolder +
                           " is missing");
    return std::unique_ptr<Machine>(new Machine(fs::absolute(folder), std::move(config)));
}

std::unique_ptr<Machine> Machine::Create(const fs::path& folder, const MachineConfig& config) {
    if (config.userName.empty() || config.userName.find_first_of("\\/:*?\"<>|") != std::string::npos ||
        config.userName == "." || config.userName == "..")
        throw MachineError("cannot create a machine with the user name \"" + config.userName + "\"");
    if (!IsMissingOrEmpty(folder))
        throw MachineError("cannot create a machine in " + folder.string() + ": the folder is not empty");
    // Build the machine beside its folder and move it into place in one step,
    // so that no other process sees half a machine.
    std::error_code error;
    const fs::path target = fs::absolute(folder).lexically_normal();
    fs::create_directories(target.parent_path(), error);
    const fs::path building = target.parent_path() / (target.filename().string() + ".creating-" +
                                                      std::to_string(getpid()) + "-" +
                                                      std::to_string(std::random_device{}()));
    try {
        fs::create_directory(building);
        CreateLayout(building / kDriveCFolder, StandardLayout(config));
        CreateFloppyStore(building / kFloppiesFolder);
        WriteNewRegistry(building, config);
        WriteMachineConfig(building, config);
    } catch (const fs::filesystem_error& e) {
        fs::remove_all(building, error);
        throw MachineError("cannot create a machine in " + folder.string() + ": " + e.what());
    } catch (const RegistryStoreError& e) {
        fs::remove_all(building, error);
        throw MachineError("cannot create the registry of a machine in " + folder.string() + ": " + e.what());
    } catch (...) {
        fs::remove_all(building, error);
        throw;
    }
    fs::rename(building, target, error);
    if (error) {
        fs::remove_all(building, error);
        // Another process may have made the machine meanwhile; use it then.
        if (fs::exists(target / kMachineConfigFile)) return Open(target);
        throw MachineError("cannot create a machine in " + folder.string() + ": the folder is not empty");
    }
    return Open(target);
}

std::unique_ptr<Machine> Machine::OpenOrCreate(const fs::path& folder, const MachineConfig& config) {
    if (IsMissingOrEmpty(folder)) return Create(folder, config);
    return Open(folder);
}

fs::path DefaultMachineFolder() {
    if (const char* named = std::getenv("QUILLERY_MACHINE"); named != nullptr && *named != '\0') return named;
    fs::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0')
        data = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        data = fs::path(home) / ".local" / "share";
    else
        throw MachineError("cannot find the machine folder: neither QUILLERY_MACHINE nor HOME is set");
    return data / "quillery" / "machine";
}

Machine& CurrentMachine() {
    std::lock_guard lock(CurrentMutex());
    auto& current = CurrentSlot();
    if (!current) {
        current = Machine::OpenOrCreate(DefaultMachineFolder());
        UseMachine(current.get());
    }
    return *current;
}

std::unique_ptr<Machine> SwapCurrentMachine(std::unique_ptr<Machine> machine) {
    std::lock_guard lock(CurrentMutex());
    std::swap(CurrentSlot(), machine);
    UseMachine(CurrentSlot().get());
    return machine;
}

}  // namespace win32
