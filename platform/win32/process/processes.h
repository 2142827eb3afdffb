#pragma once
// Processes of the machine: CreateProcess and the calls on process handles.
//
// A program is found as program_search.h describes. A host program runs as
// a host process with the host path of its current directory as working
// directory and the environment of the caller plus QUILLERY_MACHINE (the
// current machine's folder), so that our own programs started inside see
// the same machine. Its host arguments are the words of the command line
// after the first (command_line.h), in UTF-8; it inherits no open files.
// The show state of the start-up record reaches it through GetStartupInfo.
//
// A batch file runs to its end inside CreateProcess through the batch
// interpreter, in its own current directory (the caller's is kept), with
// its arguments quoted again where they hold blanks, as %1 sees them: the
// process handle returned has already ended with the batch's exit code.
// The batch's output goes to the host's standard output, its failed lines
// to standard error.

#include <cstdint>
#include <string>

#include "win32/handles.h"

namespace win32 {

enum : uint32_t {
    STARTF_USESHOWWINDOW = 0x00000001,
    STARTF_FORCEONFEEDBACK = 0x00000040,
    STARTF_FORCEOFFFEEDBACK = 0x00000080,

    // Creation flags: the priority classes are accepted and have no effect.
    NORMAL_PRIORITY_CLASS = 0x00000020,
    IDLE_PRIORITY_CLASS = 0x00000040,
    HIGH_PRIORITY_CLASS = 0x00000080,

    INFINITE = 0xFFFFFFFF,
    WAIT_OBJECT_0 = 0,
    WAIT_TIMEOUT = 258,
    WAIT_FAILED = 0xFFFFFFFF,
    STILL_ACTIVE = 259,
};

struct STARTUPINFO {
    uint32_t cb = 68;
    std::string lpTitle;
    uint32_t dwFlags = 0;
    uint16_t wShowWindow = 0;  // an SW_ value, used with STARTF_USESHOWWINDOW
};

struct PROCESS_INFORMATION {
    HANDLE hProcess = nullptr;
    HANDLE hThread = nullptr;
    uint32_t dwProcessId = 0;
    uint32_t dwThreadId = 0;
};

// Starts a program. An empty `applicationName` or `currentDirectory` means
// none (the caller's current directory). Security attributes and a custom
// environment are not supported and must be null (else
// ERROR_INVALID_PARAMETER); `inheritHandles` and `creationFlags` are
// accepted and ignored. Failures set the last error: those of
// program_search.h, ERROR_DIRECTORY for a missing current directory,
// ERROR_NOT_ENOUGH_MEMORY when the host cannot start a process.
bool CreateProcess(const std::string& applicationName, const std::string& commandLine, void* processAttributes,
                   void* threadAttributes, bool inheritHandles, uint32_t creationFlags, void* environment,
                   const std::string& currentDirectory, const STARTUPINFO& startupInfo,
                   PROCESS_INFORMATION& processInformation);

// Waits until the process (or its main thread) has ended or `milliseconds`
// passed: WAIT_OBJECT_0, WAIT_TIMEOUT, or WAIT_FAILED with
// ERROR_INVALID_HANDLE for a handle that is not a process or thread.
uint32_t WaitForSingleObject(HANDLE handle, uint32_t milliseconds);

// A started program counts as idle for input as soon as it runs (there is
// no desktop whose input it could wait for): 0 at once for a process
// handle, WAIT_FAILED with ERROR_INVALID_HANDLE otherwise.
uint32_t WaitForInputIdle(HANDLE process, uint32_t milliseconds);

// STILL_ACTIVE while the process runs; then its exit code (128 + the signal
// for a host process ended by a signal).
bool GetExitCodeProcess(HANDLE process, uint32_t* exitCode);

// Ends a running host process (the host's SIGKILL); the exit code is
// `exitCode`.
bool TerminateProcess(HANDLE process, uint32_t exitCode);

// The pseudo handle of the calling process (for OpenProcessToken) and its
// id.
HANDLE GetCurrentProcess();
uint32_t GetCurrentProcessId();

// The start-up record this process was started with: the show state given
// by the program that started it (STARTF_USESHOWWINDOW), else none.
void GetStartupInfo(STARTUPINFO& startupInfo);

}  // namespace win32
