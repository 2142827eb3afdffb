#pragma once
// Asking Windows to end: ExitWindowsEx and, on the NT family, the shutdown
// privilege a caller enables first.
//
// The machine has no session to end: ExitWindowsEx records the request in
// the machine folder (file "restart-request.ini") and returns; the caller
// then ends itself, as a program does when Windows ends the session. The
// restart itself happens when the machine is booted (boot.h, the machine
// tool's "machine reboot").
//
// Privileges: the user of the machine is an administrator. On the NT family
// the token calls succeed and ExitWindowsEx refuses a shutdown, restart or
// power-off with ERROR_PRIVILEGE_NOT_HELD until this process has enabled
// "SeShutdownPrivilege". The 9x family has no security: the token calls
// fail with ERROR_CALL_NOT_IMPLEMENTED and ExitWindowsEx needs nothing.

#include <cstdint>
#include <optional>
#include <string>

#include "win32/handles.h"

namespace win32 {

enum : uint32_t {
    EWX_LOGOFF = 0x00,
    EWX_SHUTDOWN = 0x01,
    EWX_REBOOT = 0x02,
    EWX_FORCE = 0x04,
    EWX_POWEROFF = 0x08,
    EWX_FORCEIFHUNG = 0x10,

    TOKEN_ADJUST_PRIVILEGES = 0x0020,
    TOKEN_QUERY = 0x0008,
    SE_PRIVILEGE_ENABLED = 0x00000002,

    ERROR_NO_SUCH_PRIVILEGE = 1313,
};

inline constexpr const char* SE_SHUTDOWN_NAME = "SeShutdownPrivilege";

struct LUID {
    uint32_t LowPart = 0;
    int32_t HighPart = 0;
    bool operator==(const LUID&) const = default;
};

struct LUID_AND_ATTRIBUTES {
    LUID Luid;
    uint32_t Attributes = 0;
};

// One privilege, the form every caller of AdjustTokenPrivileges uses.
struct TOKEN_PRIVILEGES {
    uint32_t PrivilegeCount = 0;
    LUID_AND_ATTRIBUTES Privileges[1];
};

// A token handle of this process (CloseHandle frees it). `process` must be
// GetCurrentProcess().
bool OpenProcessToken(HANDLE process, uint32_t desiredAccess, HANDLE* tokenHandle);
// The id of a privilege by its name ("SeShutdownPrivilege", ...);
// ERROR_NO_SUCH_PRIVILEGE for an unknown name. `systemName` must be empty
// (this computer).
bool LookupPrivilegeValue(const std::string& systemName, const std::string& name, LUID* luid);
// Enables or disables the privileges of `newState` for this process (the
// token needs TOKEN_ADJUST_PRIVILEGES); `disableAllPrivileges` disables
// them all. `previousState` is not supported and must be null.
bool AdjustTokenPrivileges(HANDLE tokenHandle, bool disableAllPrivileges, const TOKEN_PRIVILEGES* newState,
                           uint32_t bufferLength, TOKEN_PRIVILEGES* previousState, uint32_t* returnLength);

// Records the request to log off, shut down, restart or power off.
bool ExitWindowsEx(uint32_t flags, uint32_t reason);

// The request recorded in the current machine and not yet carried out.
struct RestartRequest {
    uint32_t flags = 0;
    std::string program;  // the Windows path of the program that asked
};
std::optional<RestartRequest> PendingRestartRequest();
void ClearRestartRequest();

}  // namespace win32
