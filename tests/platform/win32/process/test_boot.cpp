// The whole restart path: a program asks for the restart (with the shutdown
// privilege on NT), then booting the machine carries out the delayed file
// moves (the NT list or WININIT.INI on 9x) and the RunOnce commands, once.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fresh_machine.h"
#include "support/request_restart.h"
#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/file_operations.h"
#include "win32/paths.h"
#include "win32/process/boot.h"
#include "win32/process/processes.h"
#include "win32/process/restart.h"
#include "win32/profile_files.h"
#include "win32/registry/registry.h"
#include "win32/short_paths.h"

using namespace win32;

namespace {

constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

class BootTest : public ::testing::TestWithParam<const char*> {
protected:
    BootTest() : machine(GetParam()) {
        OpenMachineRegistry(machine.Folder().string());
        if (Is9xFamily(machine.Machine().Config().version)) SetRegistryFamily(RegistryFamily::Win9x);
    }
    ~BootTest() override { CloseMachineRegistry(); }

    static void SetRunOnce(HKEY root, const std::string& name, const std::string& command) {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyEx(root, kRunOnce, 0, "", 0, KEY_ALL_ACCESS, &key, nullptr), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const uint8_t*>(command.c_str()),
                                static_cast<uint32_t>(command.size() + 1)),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static bool HasRunOnceValue(HKEY root, const std::string& name) {
        HKEY key = 0;
        if (RegOpenKeyEx(root, kRunOnce, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        const bool found = RegQueryValueEx(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }

    std::string Report() const {
        const auto file = machine.Folder() / "report.txt";
        return std::filesystem::exists(file) ? testsupport::ReadHostFile(file) : std::string();
    }
    static std::string Program() { return "\"" + HostToWindowsPath(REPORT_PROGRAM) + "\""; }

    testsupport::FreshMachine machine;
};

TEST_P(BootTest, FileInUseIsReplacedAndRunOnceCommandsRunOnceInOrder) {
    const bool nt = IsNTFamily(machine.Machine().Config().version);
    ASSERT_TRUE(CreateDirectory("C:\\Program Files\\Quillery App", nullptr));
    const std::string dll = "C:\\Program Files\\Quillery App\\hwdll.dll";
    const std::string fresh = "C:\\Program Files\\Quillery App\\hwdll.1";
    ASSERT_TRUE(WriteWholeFile(dll, "old"));
    ASSERT_TRUE(WriteWholeFile(fresh, "new"));
    ASSERT_TRUE(WriteWholeFile("C:\\leftover.tmp", "x"));
    if (nt) {
        ASSERT_TRUE(MoveFileEx(fresh, dll, MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING));
        ASSERT_TRUE(MoveFileEx("C:\\leftover.tmp", std::nullopt, MOVEFILE_DELAY_UNTIL_REBOOT));
    } else {
        // What the setup program writes itself on 9x.
        const std::string wininit = GetWindowsDirectory() + "\\WININIT.INI";
        ASSERT_TRUE(WritePrivateProfileString("Rename", GetShortPathName(dll), GetShortPathName(fresh), wininit));
        ASSERT_TRUE(WritePrivateProfileString("Rename", std::string("NUL"), GetShortPathName("C:\\leftover.tmp"), wininit));
    }
    SetRunOnce(HKEY_CURRENT_USER, "QuorvelUnfinished", Program() + " user -r");
    SetRunOnce(HKEY_LOCAL_MACHINE, "QuorvelBatFile", Program() + " machine");
    testsupport::RequestRestart();
    ASSERT_TRUE(PendingRestartRequest().has_value());
    EXPECT_EQ(PendingRestartRequest()->flags, EWX_REBOOT);

    const BootReport report = BootMachine();
    EXPECT_TRUE(report.AllSucceeded()) << report.Text();
    EXPECT_EQ(ReadWholeFile(dll), "new");
    EXPECT_EQ(GetFileAttributes(fresh), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributes("C:\\leftover.tmp"), INVALID_FILE_ATTRIBUTES);
    if (!nt) {
        EXPECT_EQ(GetFileAttributes(GetWindowsDirectory() + "\\WININIT.INI"), INVALID_FILE_ATTRIBUTES);
        EXPECT_NE(GetFileAttributes(GetWindowsDirectory() + "\\WININIT.BAK"), INVALID_FILE_ATTRIBUTES);
    }
    // The machine's commands before the user's, each started in the system folder.
    const std::string cwd = "cwd=" + machine.HostPath(nt ? GetSystemDirectory() : GetWindowsDirectory()).string();
    EXPECT_EQ(Report(), "run\n" + cwd + "\nshow=none\narg=machine\nrun\n" + cwd + "\nshow=none\narg=user\narg=-r\n");
    EXPECT_FALSE(HasRunOnceValue(HKEY_LOCAL_MACHINE, "QuorvelBatFile"));
    EXPECT_FALSE(HasRunOnceValue(HKEY_CURRENT_USER, "QuorvelUnfinished"));
    EXPECT_FALSE(PendingRestartRequest().has_value());

    // A second start has nothing left to do.
    const std::string ranBefore = Report();
    const BootReport again = BootMachine();
    EXPECT_TRUE(again.steps.empty()) << again.Text();
    EXPECT_EQ(ReadWholeFile(dll), "new");
    EXPECT_EQ(Report(), ranBefore) << "no command ran again";
}

INSTANTIATE_TEST_SUITE_P(Families, BootTest, ::testing::Values("XP", "98"));

class BootFailures : public BootTest {};

TEST_P(BootFailures, FailingStepsAreReportedAndTheOthersStillRun) {
    const bool nt = IsNTFamily(machine.Machine().Config().version);
    ASSERT_TRUE(WriteWholeFile("C:\\a.new", "a"));
    if (nt) {
        ASSERT_TRUE(MoveFileEx("C:\\a.new", std::string("C:\\a.txt"), MOVEFILE_DELAY_UNTIL_REBOOT));
        // Recorded while the source existed, gone before the restart.
        ASSERT_TRUE(WriteWholeFile("C:\\gone.new", "g"));
        ASSERT_TRUE(MoveFileEx("C:\\gone.new", std::string("C:\\gone.txt"), MOVEFILE_DELAY_UNTIL_REBOOT));
        ASSERT_TRUE(DeleteFile("C:\\gone.new"));
    } else {
        const std::string wininit = GetWindowsDirectory() + "\\WININIT.INI";
        ASSERT_TRUE(WritePrivateProfileString("Rename", std::string("C:\\GONE.TXT"), std::string("C:\\GONE.NEW"), wininit));
        ASSERT_TRUE(WritePrivateProfileString("Rename", std::string("C:\\A.TXT"), std::string("C:\\A.NEW"), wininit));
    }
    SetRunOnce(HKEY_LOCAL_MACHINE, "Broken", "C:\\no\\such\\program.exe");
    SetRunOnce(HKEY_LOCAL_MACHINE, "Fails", Program() + " exit=3");
    SetRunOnce(HKEY_LOCAL_MACHINE, "Good", Program() + " good");

    const BootReport report = BootMachine();
    EXPECT_FALSE(report.AllSucceeded());
    EXPECT_EQ(ReadWholeFile("C:\\a.txt"), "a");
    const std::string text = report.Text();
    EXPECT_NE(text.find("FAILED: RunOnce HKEY_LOCAL_MACHINE Broken: C:\\no\\such\\program.exe: "
                        "The system cannot find the path specified."),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("FAILED: RunOnce HKEY_LOCAL_MACHINE Fails: " + Program() + " exit=3: exit code 3"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("ok: RunOnce HKEY_LOCAL_MACHINE Good: "), std::string::npos) << text;
    EXPECT_NE(text.find(nt ? "FAILED: Delayed move C:\\gone.new -> C:\\gone.txt"
                           : "FAILED: WININIT.INI move C:\\GONE.NEW -> C:\\GONE.TXT"),
              std::string::npos)
        << text;
    EXPECT_NE(Report().find("arg=good"), std::string::npos);
    EXPECT_FALSE(HasRunOnceValue(HKEY_LOCAL_MACHINE, "Broken")) << "removed before it ran, as Windows does";
}

INSTANTIATE_TEST_SUITE_P(Families, BootFailures, ::testing::Values("XP", "98"));

class Privileges : public BootTest {
protected:
    static void DisableAll() {
        HANDLE token = nullptr;
        if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) {
            AdjustTokenPrivileges(token, true, nullptr, 0, nullptr, nullptr);
            CloseHandle(token);
        }
    }
};

TEST_P(Privileges, NTNeedsTheShutdownPrivilegeAnd9xHasNone) {
    DisableAll();
    const bool nt = IsNTFamily(machine.Machine().Config().version);
    HANDLE token = nullptr;
    LUID luid;
    if (!nt) {
        EXPECT_FALSE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token));
        EXPECT_EQ(GetLastError(), ERROR_CALL_NOT_IMPLEMENTED);
        EXPECT_FALSE(LookupPrivilegeValue("", SE_SHUTDOWN_NAME, &luid));
        EXPECT_EQ(GetLastError(), ERROR_CALL_NOT_IMPLEMENTED);
        EXPECT_TRUE(ExitWindowsEx(EWX_REBOOT, 0));
        return;
    }
    EXPECT_FALSE(ExitWindowsEx(EWX_REBOOT, 0));
    EXPECT_EQ(GetLastError(), ERROR_PRIVILEGE_NOT_HELD);
    EXPECT_FALSE(PendingRestartRequest().has_value());
    EXPECT_TRUE(ExitWindowsEx(EWX_LOGOFF, 0)) << "logging off needs no privilege";

    EXPECT_FALSE(LookupPrivilegeValue("", "SeNoSuchPrivilege", &luid));
    EXPECT_EQ(GetLastError(), ERROR_NO_SUCH_PRIVILEGE);
    ASSERT_TRUE(LookupPrivilegeValue("", "seshutdownprivilege", &luid));
    TOKEN_PRIVILEGES privileges;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0] = {luid, SE_PRIVILEGE_ENABLED};
    // A token opened only for querying cannot adjust.
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    EXPECT_FALSE(AdjustTokenPrivileges(token, false, &privileges, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    CloseHandle(token);
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    EXPECT_TRUE(AdjustTokenPrivileges(token, false, &privileges, 0, nullptr, nullptr));
    CloseHandle(token);
    EXPECT_TRUE(ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCE, 0));
    ASSERT_TRUE(PendingRestartRequest().has_value());
    EXPECT_EQ(PendingRestartRequest()->flags, EWX_SHUTDOWN | EWX_FORCE);
    DisableAll();
}

INSTANTIATE_TEST_SUITE_P(Families, Privileges, ::testing::Values("XP", "98"));

}  // namespace
