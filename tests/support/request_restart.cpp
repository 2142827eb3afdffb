#include "support/request_restart.h"

#include <gtest/gtest.h>

#include "win32/machine.h"
#include "win32/process/processes.h"
#include "win32/process/restart.h"

namespace testsupport {

void RequestRestart() {
    using namespace win32;
    if (IsNTFamily(CurrentMachine().Config().version)) {
        HANDLE token = nullptr;
        ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
        TOKEN_PRIVILEGES privileges;
        privileges.PrivilegeCount = 1;
        ASSERT_TRUE(LookupPrivilegeValue("", SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid));
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        ASSERT_TRUE(AdjustTokenPrivileges(token, false, &privileges, 0, nullptr, nullptr));
        ASSERT_TRUE(CloseHandle(token));
    }
    ASSERT_TRUE(ExitWindowsEx(EWX_REBOOT, 0));
}

}  // namespace testsupport
