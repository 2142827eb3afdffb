#include "win32/process/boot.h"

#include <optional>

#include "win32/attributes.h"
#include "win32/delayed_moves.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/host_names.h"
#include "win32/machine.h"
#include "win32/process/processes.h"
#include "win32/process/restart.h"
#include "win32/profile_files.h"
#include "win32/registry/registry.h"
#include "win32/registry/registry_store.h"

namespace win32 {

namespace {

constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

BootStep Done(const std::string& action, bool ok, const std::string& failure = {}) {
    return BootStep{action, ok, ok ? std::string() : failure};
}

BootStep LastErrorStep(const std::string& action, bool ok) {
    return Done(action, ok, ok ? std::string() : SystemErrorMessage(GetLastError()));
}

// Deletes a file or an empty folder.
bool DeleteEntry(const std::string& path) {
    const uint32_t attributes = GetFileAttributes(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return RemoveDirectory(path);
    return DeleteFile(path);
}

void RunPendingMoves(BootReport& report) {
    for (const PendingMove& move : PendingFileRenameOperations()) {
        if (move.destination.empty()) {
            report.steps.push_back(LastErrorStep("Delayed delete " + move.source, DeleteEntry(move.source)));
            continue;
        }
        const uint32_t flags = MOVEFILE_COPY_ALLOWED | (move.replace ? uint32_t{MOVEFILE_REPLACE_EXISTING} : 0u);
        report.steps.push_back(LastErrorStep("Delayed move " + move.source + " -> " + move.destination,
                                             MoveFileEx(move.source, move.destination, flags)));
    }
    ClearPendingFileRenameOperations();
}

void RunWininit(BootReport& report) {
    const std::string windows = GetWindowsDirectory();
    const std::string wininit = windows + "\\WININIT.INI";
    if (GetFileAttributes(wininit) == INVALID_FILE_ATTRIBUTES) return;
    for (const std::string& line : GetPrivateProfileSection("Rename", wininit)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            report.steps.push_back(Done("WININIT.INI " + line, false, "not a rename line"));
            continue;
        }
        const std::string target = line.substr(0, eq), source = line.substr(eq + 1);
        if (UpperName(target) == "NUL") {
            report.steps.push_back(LastErrorStep("WININIT.INI delete " + source, DeleteEntry(source)));
            continue;
        }
        report.steps.push_back(LastErrorStep("WININIT.INI move " + source + " -> " + target,
                                             MoveFileEx(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)));
    }
    report.steps.push_back(LastErrorStep("WININIT.INI -> WININIT.BAK",
                                         MoveFileEx(wininit, windows + "\\WININIT.BAK", MOVEFILE_REPLACE_EXISTING)));
}

void ForgetVolatileKeys(BootReport& report) {
    try {
        CurrentRegistryStore().DeleteVolatileKeys();
    } catch (const RegistryStoreError& e) {
        report.steps.push_back(Done("Remove volatile registry keys", false, e.what()));
    }
}

struct RunOnceCommand {
    std::string name, command;
    uint32_t type = REG_NONE;
};

// The values of a RunOnce key in order; an empty list when it is missing.
std::vector<RunOnceCommand> ReadRunOnce(HKEY key) {
    std::vector<RunOnceCommand> commands;
    for (uint32_t index = 0;; ++index) {
        RunOnceCommand command;
        uint32_t size = 0;
        if (RegEnumValue(key, index, command.name, &command.type, nullptr, &size) != ERROR_SUCCESS) break;
        std::string data(size, '\0');
        if (RegEnumValue(key, index, command.name, nullptr, reinterpret_cast<uint8_t*>(data.data()), &size) !=
            ERROR_SUCCESS)
            break;
        data.resize(size);
        while (!data.empty() && data.back() == '\0') data.pop_back();
        command.command = data;
        commands.push_back(command);
    }
    return commands;
}

// Runs a command and waits for it; an empty text when it ran and ended
// with 0, else what went wrong.
std::string RunCommand(const std::string& command, const std::string& directory) {
    PROCESS_INFORMATION pi;
    if (!CreateProcess("", command, nullptr, nullptr, false, NORMAL_PRIORITY_CLASS, nullptr, directory, STARTUPINFO{},
                       pi))
        return SystemErrorMessage(GetLastError());
    WaitForSingleObject(pi.hProcess, INFINITE);
    uint32_t code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code == 0 ? std::string() : "exit code " + std::to_string(code);
}

void RunRunOnce(BootReport& report, HKEY root, const std::string& rootName, const std::string& directory) {
    HKEY key = 0;
    const LONG opened = RegOpenKeyEx(root, kRunOnceKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND) return;
    if (opened != ERROR_SUCCESS) {
        report.steps.push_back(Done("RunOnce " + rootName, false, SystemErrorMessage(static_cast<uint32_t>(opened))));
        return;
    }
    for (const RunOnceCommand& entry : ReadRunOnce(key)) {
        const std::string action = "RunOnce " + rootName + " " + entry.name + ": " + entry.command;
        const bool deleteAfter = !entry.name.empty() && entry.name[0] == '!';
        if (!deleteAfter) {
            const LONG deleted = RegDeleteValue(key, entry.name);
            if (deleted != ERROR_SUCCESS) {
                // Never run a command that would run again at every start.
                report.steps.push_back(Done(action, false, SystemErrorMessage(static_cast<uint32_t>(deleted))));
                continue;
            }
        }
        std::string failure = entry.type == REG_SZ || entry.type == REG_EXPAND_SZ
                                  ? RunCommand(entry.command, directory)
                                  : "the value is not a string";
        if (deleteAfter) {
            const LONG deleted = RegDeleteValue(key, entry.name);
            if (deleted != ERROR_SUCCESS && failure.empty()) failure = SystemErrorMessage(static_cast<uint32_t>(deleted));
        }
        report.steps.push_back(Done(action, failure.empty(), failure));
    }
    RegCloseKey(key);
}

}  // namespace

bool BootReport::AllSucceeded() const {
    for (const BootStep& step : steps)
        if (!step.ok) return false;
    return true;
}

std::string BootReport::Text() const {
    std::string text;
    for (const BootStep& step : steps) {
        text += step.ok ? "ok: " + step.action : "FAILED: " + step.action + ": " + step.detail;
        if (step.ok && !step.detail.empty()) text += " (" + step.detail + ")";
        text += "\r\n";
    }
    return text;
}

BootReport BootMachine() {
    BootReport report;
    Machine& machine = CurrentMachine();
    const bool nt = IsNTFamily(machine.Config().version);
    if (const std::optional<RestartRequest> request = PendingRestartRequest()) {
        report.steps.push_back(BootStep{"Restart requested by " + request->program, true, {}});
        ClearRestartRequest();
    }
    if (nt) RunPendingMoves(report);
    else RunWininit(report);

    if (!MachineRegistryIsOpen()) {
        try {
            OpenMachineRegistry(machine.Folder().string());
        } catch (const std::exception& e) {
            report.steps.push_back(Done("Open the registry", false, e.what()));
            return report;
        }
    }
    ForgetVolatileKeys(report);
    const std::string directory = nt ? GetSystemDirectory() : GetWindowsDirectory();
    RunRunOnce(report, HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", directory);
    RunRunOnce(report, HKEY_CURRENT_USER, "HKEY_CURRENT_USER", directory);
    return report;
}

}  // namespace win32
