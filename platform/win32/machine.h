#pragma once
// The simulated Windows machine: a folder on the host holding the machine's
// configuration, drive C: ("drive_c"), the floppy disks of drive A:
// ("floppies") and the registry ("registry.db", kept by the registry unit).
//
// Every call of our Windows acts on the process-wide current machine. It is
// the machine in the folder named by the environment variable
// QUILLERY_MACHINE, else in $XDG_DATA_HOME/quillery/machine (or
// ~/.local/share/quillery/machine), created with the default configuration
// on first use. Tests switch to a fresh one (support/fresh_machine.h).
//
// A folder that is not a machine, or whose configuration is corrupt, is
// never written to: opening it raises MachineError.

#include <filesystem>
#include <memory>

#include "win32/machine_config.h"
#include "win32/machine_layout.h"

namespace win32 {

// Names inside a machine folder.
inline constexpr const char* kDriveCFolder = "drive_c";
inline constexpr const char* kFloppiesFolder = "floppies";
inline constexpr const char* kRegistryFile = "registry.db";
inline constexpr const char* kMachineLockFile = "machine.lock";

class Machine {
public:
    // Opens the machine in `folder`; MachineError when the folder is missing,
    // not a machine or its configuration is corrupt.
    static std::unique_ptr<Machine> Open(const std::filesystem::path& folder);
    // Creates a machine with the standard layout of its version in `folder`,
    // which must be missing or empty (else MachineError), and opens it.
    static std::unique_ptr<Machine> Create(const std::filesystem::path& folder, const MachineConfig& config);
    // Opens the machine in `folder`, creating it with `config` when the folder
    // is missing or empty.
    static std::unique_ptr<Machine> OpenOrCreate(const std::filesystem::path& folder,
                                                 const MachineConfig& config = MachineConfig{});

    const std::filesystem::path& Folder() const { return folder_; }
    const MachineConfig& Config() const { return config_; }
    MachineLayout Layout() const { return StandardLayout(config_); }
    std::filesystem::path DriveCFolder() const { return folder_ / kDriveCFolder; }
    std::filesystem::path FloppiesFolder() const { return folder_ / kFloppiesFolder; }

private:
    Machine(std::filesystem::path folder, MachineConfig config);
    std::filesystem::path folder_;
    MachineConfig config_;
};

// The folder of the default machine (QUILLERY_MACHINE, else the user's data
// directory).
std::filesystem::path DefaultMachineFolder();

// The current machine, opened (or created) on first use; raises MachineError
// when the default machine folder cannot be used.
Machine& CurrentMachine();
// Makes `machine` current and returns the previous one (null when none was
// opened yet). The current directory is left to the caller.
std::unique_ptr<Machine> SwapCurrentMachine(std::unique_ptr<Machine> machine);

}  // namespace win32
