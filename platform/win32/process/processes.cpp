#include "win32/process/processes.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "win32/attributes.h"
#include "win32/codepage.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/machine.h"
#include "win32/paths.h"
#include "win32/process/batch_interpreter.h"
#include "win32/process/command_line.h"
#include "win32/process/program_search.h"

extern char** environ;

namespace win32 {

namespace {

constexpr const char* kMachineVariable = "QUILLERY_MACHINE";
constexpr const char* kShowWindowVariable = "QUILLERY_SHOW_WINDOW";

// Host processes whose handles were closed while they still ran; reaped
// when they have ended, so that none stays a zombie.
std::vector<pid_t>& Orphans() {
    static std::vector<pid_t> orphans;
    return orphans;
}

void ReapOrphans() {
    auto& orphans = Orphans();
    std::erase_if(orphans, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

uint32_t ExitCodeOf(int status) {
    if (WIFEXITED(status)) return static_cast<uint32_t>(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return 128u + static_cast<uint32_t>(WTERMSIG(status));
    return 1;
}

// What the process and thread handles of one started program share.
struct ProcessState {
    pid_t pid = 0;  // the host process; 0 for a batch run
    bool ended = false;
    uint32_t exitCode = STILL_ACTIVE;

    ~ProcessState() {
        if (!ended && pid > 0 && !Poll(false)) Orphans().push_back(pid);
    }

    // Whether the process has ended, waiting for it with `block`.
    bool Poll(bool block) {
        if (ended) return true;
        int status = 0;
        const pid_t r = waitpid(pid, &status, block ? 0 : WNOHANG);
        if (r == pid) {
            ended = true;
            exitCode = ExitCodeOf(status);
        } else if (r < 0) {
            ended = true;  // no longer ours to wait for
            exitCode = 1;
        }
        return ended;
    }
};

class ProcessObject : public KernelObject {
public:
    explicit ProcessObject(std::shared_ptr<ProcessState> s) : state(std::move(s)) {}
    std::shared_ptr<ProcessState> state;
};
class ThreadObject : public ProcessObject {
public:
    using ProcessObject::ProcessObject;
};

std::shared_ptr<ProcessState> StateOf(HANDLE handle) {
    ProcessObject* object = HandleObject<ProcessObject>(handle);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return object->state;
}

uint32_t SpawnErrorCode(int error) {
    switch (error) {
        case ENOENT: return ERROR_FILE_NOT_FOUND;
        case EACCES: case EPERM: return ERROR_ACCESS_DENIED;
        case ENOEXEC: return ERROR_BAD_EXE_FORMAT;
        case E2BIG: return ERROR_INVALID_PARAMETER;
        default: return ERROR_NOT_ENOUGH_MEMORY;
    }
}

// A file of the machine's own drives is a program by its content, as on
// Windows: it gets the host's execute permission when it lacks it. Host
// files seen through Z: are left as they are.
void MakeExecutableInsideMachine(const std::filesystem::path& host) {
    if (access(host.c_str(), X_OK) == 0) return;
    std::error_code ec;
    const auto machine = std::filesystem::weakly_canonical(CurrentMachine().Folder(), ec);
    const auto file = std::filesystem::weakly_canonical(host, ec);
    const auto rel = file.lexically_relative(machine);
    if (ec || rel.empty() || rel.native().rfind("..", 0) == 0) return;
    struct stat st;
    if (stat(host.c_str(), &st) == 0) chmod(host.c_str(), st.st_mode | S_IXUSR | S_IXGRP | S_IXOTH);
}

std::vector<std::string> HostEnvironment(const STARTUPINFO& startupInfo) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != kMachineVariable && name != kShowWindowVariable) env.push_back(entry);
    }
    env.push_back(std::string(kMachineVariable) + "=" +
                  std::filesystem::absolute(CurrentMachine().Folder()).string());
    if (startupInfo.dwFlags & STARTF_USESHOWWINDOW)
        env.push_back(std::string(kShowWindowVariable) + "=" + std::to_string(startupInfo.wShowWindow));
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& t : texts) pointers.push_back(t.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::shared_ptr<ProcessState> StartHostProgram(const Program& program, const std::vector<std::string>& args,
                                               const std::filesystem::path& hostDirectory,
                                               const STARTUPINFO& startupInfo) {
    MakeExecutableInsideMachine(program.host);
    std::vector<std::string> argv = {program.host.string()};
    for (const std::string& arg : args) argv.push_back(AnsiToUtf8(arg));
    std::vector<std::string> env = HostEnvironment(startupInfo);
    std::vector<char*> argvPointers = Pointers(argv), envPointers = Pointers(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, hostDirectory.c_str());
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    std::fflush(nullptr);  // nothing buffered is written twice
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.host.c_str(), &actions, nullptr, argvPointers.data(), envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        SetLastError(SpawnErrorCode(error));
        return nullptr;
    }
    auto state = std::make_shared<ProcessState>();
    state->pid = pid;
    return state;
}

std::shared_ptr<ProcessState> RunBatch(const Program& program, const std::vector<std::string>& args,
                                       const WindowsPath& directory) {
    std::optional<WindowsPath> previous = SwapCurrentDirectoryPath(directory);
    // The prompt gives a batch file its arguments with their quotes.
    std::vector<std::string> quoted;
    for (const std::string& arg : args) quoted.push_back(QuoteCommandLineWord(arg));
    const BatchRun run = RunBatchFile(program.path, quoted);
    SwapCurrentDirectoryPath(std::move(previous));
    for (const std::string& line : run.output) std::printf("%s\n", AnsiToUtf8(line).c_str());
    for (const std::string& error : run.errors) std::fprintf(stderr, "%s\n", AnsiToUtf8(error).c_str());
    std::fflush(nullptr);
    auto state = std::make_shared<ProcessState>();
    state->ended = true;
    state->exitCode = static_cast<uint32_t>(run.exitCode);
    return state;
}

uint32_t NextBatchId() {
    static uint32_t id = 0x40000000;  // above host process ids
    return ++id;
}

}  // namespace

bool CreateProcess(const std::string& applicationName, const std::string& commandLine, void* processAttributes,
                   void* threadAttributes, bool /*inheritHandles*/, uint32_t /*creationFlags*/, void* environment,
                   const std::string& currentDirectory, const STARTUPINFO& startupInfo,
                   PROCESS_INFORMATION& processInformation) {
    if (processAttributes != nullptr || threadAttributes != nullptr || environment != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    ReapOrphans();
    const std::optional<Program> program = FindProgram(applicationName, commandLine);
    if (!program) return false;

    const std::string directoryText = currentDirectory.empty() ? GetCurrentDirectory() : GetFullPathName(currentDirectory);
    const std::optional<WindowsPath> directory = ParseWindowsPath(directoryText);
    const uint32_t attributes = directory ? GetFileAttributes(directoryText) : INVALID_FILE_ATTRIBUTES;
    const std::optional<std::filesystem::path> hostDirectory = WindowsToHostPath(directoryText);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) || !hostDirectory) {
        SetLastError(ERROR_DIRECTORY);
        return false;
    }

    std::vector<std::string> args = CommandLineWords(commandLine);
    if (!args.empty()) args.erase(args.begin());
    const std::shared_ptr<ProcessState> state = program->kind == ProgramKind::Batch
                                                    ? RunBatch(*program, args, *directory)
                                                    : StartHostProgram(*program, args, *hostDirectory, startupInfo);
    if (!state) return false;
    const uint32_t id = state->pid > 0 ? static_cast<uint32_t>(state->pid) : NextBatchId();
    processInformation.hProcess = AddHandle(std::make_unique<ProcessObject>(state));
    processInformation.hThread = AddHandle(std::make_unique<ThreadObject>(state));
    processInformation.dwProcessId = id;
    processInformation.dwThreadId = id;
    SetLastError(ERROR_SUCCESS);
    return true;
}

uint32_t WaitForSingleObject(HANDLE handle, uint32_t milliseconds) {
    const std::shared_ptr<ProcessState> state = StateOf(handle);
    if (!state) return WAIT_FAILED;
    if (milliseconds == INFINITE) {
        state->Poll(true);
        return WAIT_OBJECT_0;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!state->Poll(false)) {
        if (std::chrono::steady_clock::now() >= deadline) return WAIT_TIMEOUT;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return WAIT_OBJECT_0;
}

uint32_t WaitForInputIdle(HANDLE process, uint32_t /*milliseconds*/) {
    if (HandleObject<ProcessObject>(process) == nullptr || HandleObject<ThreadObject>(process) != nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return 0;
}

bool GetExitCodeProcess(HANDLE process, uint32_t* exitCode) {
    const std::shared_ptr<ProcessState> state = StateOf(process);
    if (!state || exitCode == nullptr) {
        if (state) SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    state->Poll(false);
    *exitCode = state->ended ? state->exitCode : STILL_ACTIVE;
    return true;
}

bool TerminateProcess(HANDLE process, uint32_t exitCode) {
    const std::shared_ptr<ProcessState> state = StateOf(process);
    if (!state) return false;
    if (state->Poll(false)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    kill(state->pid, SIGKILL);
    state->Poll(true);
    state->exitCode = exitCode;
    return true;
}

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)); }

uint32_t GetCurrentProcessId() { return static_cast<uint32_t>(getpid()); }

void GetStartupInfo(STARTUPINFO& startupInfo) {
    startupInfo = STARTUPINFO{};
    const char* show = std::getenv(kShowWindowVariable);
    if (show == nullptr) return;
    char* end = nullptr;
    const long value = std::strtol(show, &end, 10);
    if (end == show || *end != '\0' || value < 0 || value > 0xFFFF) return;
    startupInfo.dwFlags = STARTF_USESHOWWINDOW;
    startupInfo.wShowWindow = static_cast<uint16_t>(value);
}

}  // namespace win32
