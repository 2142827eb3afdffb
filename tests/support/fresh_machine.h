#pragma once
// A fresh Windows machine for one test: made in a temporary folder with the
// chosen version and user, made current (with C:\ as the current directory)
// for the life of the object, and the previous machine and directory
// restored afterwards.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "support/temp_dir.h"
#include "win32/machine.h"
#include "win32/paths.h"

namespace testsupport {

class FreshMachine {
public:
    // `version` is a preset name: "95", "98", "ME", "NT4", "2000", "XP",
    // "unknown".
    explicit FreshMachine(const std::string& version = "XP", const std::string& user = "User");
    ~FreshMachine();
    FreshMachine(const FreshMachine&) = delete;
    FreshMachine& operator=(const FreshMachine&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    win32::Machine& Machine() const { return win32::CurrentMachine(); }
    // Host path of a Windows path of the machine's drive C: ("C:\WINDOWS").
    std::filesystem::path HostPath(const std::string& windowsPath) const;

private:
    TempDir dir_;
    std::filesystem::path folder_;
    std::unique_ptr<win32::Machine> previous_;
    std::optional<win32::WindowsPath> previousDirectory_;
};

}  // namespace testsupport
