#include "win32/process/restart.h"

#include <set>

#include "win32/errors.h"
#include "win32/host_names.h"
#include "win32/machine.h"
#include "win32/module.h"
#include "win32/paths.h"
#include "win32/process/processes.h"
#include "win32/profile_files.h"

namespace win32 {

namespace {

constexpr const char* kRequestFile = "restart-request.ini";
constexpr const char* kSection = "Restart";

struct Privilege {
    const char* name;
    uint32_t id;
};
// The privileges of an administrator, with the ids Windows gives them.
constexpr Privilege kPrivileges[] = {
    {"SeCreateTokenPrivilege", 2}, {"SeIncreaseQuotaPrivilege", 5}, {"SeSecurityPrivilege", 8},
    {"SeTakeOwnershipPrivilege", 9}, {"SeLoadDriverPrivilege", 10}, {"SeSystemtimePrivilege", 12},
    {"SeBackupPrivilege", 17}, {"SeRestorePrivilege", 18}, {"SeShutdownPrivilege", 19},
    {"SeDebugPrivilege", 20}, {"SeSystemEnvironmentPrivilege", 22}, {"SeChangeNotifyPrivilege", 23},
    {"SeRemoteShutdownPrivilege", 24}, {"SeUndockPrivilege", 25},
};
constexpr uint32_t kShutdownPrivilege = 19;

std::set<uint32_t>& EnabledPrivileges() {
    static std::set<uint32_t> enabled;
    return enabled;
}

class TokenObject : public KernelObject {
public:
    explicit TokenObject(uint32_t a) : access(a) {}
    uint32_t access;
};

bool NTFamily() { return IsNTFamily(CurrentMachine().Config().version); }

bool NotOn9x() {
    if (NTFamily()) return true;
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return false;
}

// The request file, named through Z: since it lies outside the drives.
std::string RequestFile() { return HostToWindowsPath(std::filesystem::absolute(CurrentMachine().Folder() / kRequestFile)); }

}  // namespace

bool OpenProcessToken(HANDLE process, uint32_t desiredAccess, HANDLE* tokenHandle) {
    if (!NotOn9x()) return false;
    if (process != GetCurrentProcess() || tokenHandle == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    *tokenHandle = AddHandle(std::make_unique<TokenObject>(desiredAccess));
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool LookupPrivilegeValue(const std::string& systemName, const std::string& name, LUID* luid) {
    if (!NotOn9x()) return false;
    if (!systemName.empty() || luid == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    for (const Privilege& p : kPrivileges)
        if (SameName(p.name, name)) {
            *luid = LUID{p.id, 0};
            SetLastError(ERROR_SUCCESS);
            return true;
        }
    SetLastError(ERROR_NO_SUCH_PRIVILEGE);
    return false;
}

bool AdjustTokenPrivileges(HANDLE tokenHandle, bool disableAllPrivileges, const TOKEN_PRIVILEGES* newState,
                           uint32_t /*bufferLength*/, TOKEN_PRIVILEGES* previousState, uint32_t* /*returnLength*/) {
    if (!NotOn9x()) return false;
    const TokenObject* token = HandleObject<TokenObject>(tokenHandle);
    if (token == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (!(token->access & TOKEN_ADJUST_PRIVILEGES)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (previousState != nullptr || (!disableAllPrivileges && newState == nullptr) ||
        (newState != nullptr && newState->PrivilegeCount > 1)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (disableAllPrivileges) {
        EnabledPrivileges().clear();
    } else if (newState->PrivilegeCount == 1) {
        const LUID_AND_ATTRIBUTES& p = newState->Privileges[0];
        bool known = false;
        for (const Privilege& k : kPrivileges) known = known || (p.Luid == LUID{k.id, 0});
        if (!known) {
            SetLastError(ERROR_NO_SUCH_PRIVILEGE);
            return false;
        }
        if (p.Attributes & SE_PRIVILEGE_ENABLED) EnabledPrivileges().insert(p.Luid.LowPart);
        else EnabledPrivileges().erase(p.Luid.LowPart);
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool ExitWindowsEx(uint32_t flags, uint32_t /*reason*/) {
    const uint32_t action = flags & (EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF);
    if (action != 0 && NTFamily() && !EnabledPrivileges().count(kShutdownPrivilege)) {
        SetLastError(ERROR_PRIVILEGE_NOT_HELD);
        return false;
    }
    const std::string file = RequestFile();
    if (!WritePrivateProfileString(kSection, std::string("Flags"), std::to_string(flags), file) ||
        !WritePrivateProfileString(kSection, std::string("Program"), GetModuleFileName(), file))
        return false;
    SetLastError(ERROR_SUCCESS);
    return true;
}

std::optional<RestartRequest> PendingRestartRequest() {
    const std::string file = RequestFile();
    const std::string flags = GetPrivateProfileString(kSection, "Flags", "", file);
    if (flags.empty()) return std::nullopt;
    RestartRequest request;
    request.flags = static_cast<uint32_t>(GetPrivateProfileInt(kSection, "Flags", 0, file));
    request.program = GetPrivateProfileString(kSection, "Program", "", file);
    return request;
}

void ClearRestartRequest() { WritePrivateProfileString(kSection, std::nullopt, std::nullopt, RequestFile()); }

}  // namespace win32
