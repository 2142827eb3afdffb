// The whole restart path through the machine tool: a program writes its
// keys, finds its file in use, asks for the file to be replaced at restart
// and for a batch file to run once, asks Windows to restart and ends; then
// "machine reboot" runs as its own process. On the NT family and on 9x
// (WININIT.INI).

#include <gtest/gtest.h>

#include "outside/machine_tool_process.h"
#include "support/fresh_machine.h"
#include "support/request_restart.h"
#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/file_operations.h"
#include "win32/files.h"
#include "win32/process/processes.h"
#include "win32/process/restart.h"
#include "win32/registry/registry.h"

using namespace win32;
using testsupport::ToolRun;

namespace {

const std::string kVersion5 = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kRunOnceKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const std::string kAppFolder = "C:\\Program Files\\Quillery";
const std::string kDll = kAppFolder + "\\hwdll.dll";
const std::string kNewDll = kAppFolder + "\\hwdll.1";
const std::string kBatch = kAppFolder + "\\finish.bat";

// Creates HKEY_LOCAL_MACHINE\<subKey> (volatile when asked) and sets its
// text value `name`.
void SetMachineKeyText(const std::string& subKey, bool isVolatile, const std::string& name, const std::string& text) {
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, subKey, 0, "", isVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, &key, nullptr),
              ERROR_SUCCESS)
        << subKey;
    EXPECT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const uint8_t*>(text.c_str()),
                            static_cast<uint32_t>(text.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

class RestartPath : public ::testing::TestWithParam<const char*> {
protected:
    ToolRun Tool(const std::string& arguments) const {
        return testsupport::RunMachineTool(testsupport::MachineOption(machine.Folder()) + arguments);
    }
    std::string Export(const std::string& key) const { return Tool("reg export '" + key + "'").out; }
    bool Exists(const std::string& path) const { return GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES; }


    testsupport::FreshMachine machine{GetParam()};
};

TEST_P(RestartPath, FileInUseIsReplacedAndTheBatchFileRunsOnce) {
    const bool nt = IsNTFamily(machine.Machine().Config().version);
    SetMachineKeyText("SOFTWARE\\TARN\\Install\\Quillery", false, "Stage", "restart");
    SetMachineKeyText("SOFTWARE\\TARN\\Session", true, "Busy", "yes");

    ASSERT_TRUE(CreateDirectory(kAppFolder, nullptr));
    ASSERT_TRUE(WriteWholeFile(kDll, "old"));
    ASSERT_TRUE(WriteWholeFile(kNewDll, "new"));
    ASSERT_TRUE(WriteWholeFile("C:\\marker.txt", "ran"));
    // A second run would leave ran-twice.txt behind.
    ASSERT_TRUE(WriteWholeFile(kBatch,
                               "@ECHO OFF\r\nIF EXIST C:\\ran-once.txt COPY C:\\marker.txt C:\\ran-twice.txt\r\n"
                               "COPY C:\\marker.txt C:\\ran-once.txt\r\n"));
    SetMachineKeyText(kRunOnceKey, false, "QuorvelBatFile", "\"" + kBatch + "\"");

    // The file is in use: it cannot be replaced now, only at restart.
    const HANDLE held = CreateFile(kDll, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(MoveFileEx(kNewDll, kDll, MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), uint32_t{ERROR_SHARING_VIOLATION});
    ASSERT_TRUE(MoveFileEx(kNewDll, kDll, MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING));
    testsupport::RequestRestart();
    ASSERT_TRUE(CloseHandle(held));  // the program ends

    if (nt) {
        EXPECT_NE(Export("HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager").find("\"PendingFileRenameOperations\"="),
                  std::string::npos);
    } else {
        const ToolRun wininit = Tool("cat 'C:\\WINDOWS\\WININIT.INI'");
        EXPECT_NE(wininit.out.find("[Rename]\r\n"), std::string::npos) << wininit.out << wininit.err;
    }

    const ToolRun boot = Tool("reboot");
    EXPECT_EQ(boot.exitCode, 0) << boot.out << boot.err;
    EXPECT_NE(boot.out.find("ok: Restart requested by "), std::string::npos) << boot.out;
    EXPECT_NE(boot.out.find("ok: RunOnce HKEY_LOCAL_MACHINE QuorvelBatFile: \"" + kBatch + "\"\n"), std::string::npos)
        << boot.out;
    EXPECT_EQ(boot.out.find("FAILED"), std::string::npos) << boot.out;

    EXPECT_EQ(ReadWholeFile(kDll), "new");
    EXPECT_FALSE(Exists(kNewDll));
    EXPECT_EQ(ReadWholeFile("C:\\ran-once.txt"), "ran");
    EXPECT_FALSE(Exists("C:\\ran-twice.txt"));
    EXPECT_EQ(Export("HKLM\\" + kRunOnceKey), kVersion5 + "[HKEY_LOCAL_MACHINE\\" + kRunOnceKey + "]\r\n\r\n");
    // The installation's key outlives the restart; the volatile one does not.
    EXPECT_EQ(Export("HKLM\\SOFTWARE\\TARN"), kVersion5 +
                                                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN]\r\n\r\n"
                                                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN\\Install]\r\n\r\n"
                                                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN\\Install\\Quillery]\r\n"
                                                 "\"Stage\"=\"restart\"\r\n\r\n");
    EXPECT_FALSE(PendingRestartRequest().has_value());
    if (nt) {
        EXPECT_EQ(Export("HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager").find("PendingFileRenameOperations"),
                  std::string::npos);
    } else {
        EXPECT_FALSE(Exists(GetWindowsDirectory() + "\\WININIT.INI"));
        EXPECT_TRUE(Exists(GetWindowsDirectory() + "\\WININIT.BAK"));
    }

    // A second start has nothing left to do.
    const ToolRun again = Tool("reboot");
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "Nothing was waiting for the restart.\n");
    EXPECT_FALSE(Exists("C:\\ran-twice.txt"));
    EXPECT_EQ(ReadWholeFile(kDll), "new");
}

TEST_P(RestartPath, AFailedStepIsReportedAndTheOthersStillRun) {
    ASSERT_TRUE(WriteWholeFile("C:\\marker.txt", "ran"));
    ASSERT_TRUE(WriteWholeFile("C:\\good.bat", "COPY C:\\marker.txt C:\\good.txt\r\n"));
    SetMachineKeyText(kRunOnceKey, false, "Broken", "C:\\no\\such\\setup.exe");
    SetMachineKeyText(kRunOnceKey, false, "Good", "C:\\good.bat");
    testsupport::RequestRestart();

    const ToolRun boot = Tool("reboot");
    EXPECT_EQ(boot.exitCode, 1);
    EXPECT_NE(boot.out.find("FAILED: RunOnce HKEY_LOCAL_MACHINE Broken: C:\\no\\such\\setup.exe: "), std::string::npos)
        << boot.out;
    EXPECT_NE(boot.out.find("ok: RunOnce HKEY_LOCAL_MACHINE Good: C:\\good.bat\n"), std::string::npos) << boot.out;
    EXPECT_EQ(ReadWholeFile("C:\\good.txt"), "ran");
    EXPECT_FALSE(PendingRestartRequest().has_value());
    EXPECT_EQ(Tool("reboot").exitCode, 0) << "the failed command was removed before it ran";
}

INSTANTIATE_TEST_SUITE_P(Families, RestartPath, ::testing::Values("XP", "98"));

}  // namespace
