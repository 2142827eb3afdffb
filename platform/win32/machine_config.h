#pragma once
// The configuration of a machine, kept in the file "machine.ini" of the
// machine folder: the Windows version, the user and computer names and the
// ANSI code page.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "win32/windows_version.h"

namespace win32 {

// A machine folder that cannot be used: missing or corrupt configuration, a
// folder that is not a machine, a machine that cannot be created. The text
// names the folder and the reason in one line.
class MachineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MachineConfig {
    WindowsVersion version;  // Windows XP unless chosen otherwise
    std::string userName = "User";
    std::string computerName = "QUILLERY";
    uint32_t codePage = 1252;

    bool operator==(const MachineConfig&) const = default;
};

// The name of the configuration file inside a machine folder.
inline constexpr const char* kMachineConfigFile = "machine.ini";

// Reads the configuration of the machine in `folder`; a missing file, an
// unknown format, a missing or malformed entry raise MachineError.
MachineConfig ReadMachineConfig(const std::filesystem::path& folder);
// Writes the configuration file (CR LF lines) into `folder`.
void WriteMachineConfig(const std::filesystem::path& folder, const MachineConfig& config);

}  // namespace win32
