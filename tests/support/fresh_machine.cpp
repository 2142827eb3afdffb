#include "support/fresh_machine.h"

#include <stdexcept>

namespace testsupport {

FreshMachine::FreshMachine(const std::string& version, const std::string& user)
    : dir_("quillery-machine"), folder_(dir_.path() / "machine") {
    win32::MachineConfig config;
    const auto preset = win32::WindowsVersionPreset(version);
    if (!preset) throw std::invalid_argument("unknown Windows version " + version);
    config.version = *preset;
    config.userName = user;
    previous_ = win32::SwapCurrentMachine(win32::Machine::Create(folder_, config));
    previousDirectory_ = win32::SwapCurrentDirectoryPath(win32::WindowsPath{'C', {}});
}

FreshMachine::~FreshMachine() {
    win32::SwapCurrentMachine(std::move(previous_));
    win32::SwapCurrentDirectoryPath(std::move(previousDirectory_));
}

std::filesystem::path FreshMachine::HostPath(const std::string& windowsPath) const {
    const auto host = win32::WindowsToHostPath(windowsPath);
    if (!host) throw std::invalid_argument("bad Windows path " + windowsPath);
    return *host;
}

}  // namespace testsupport
