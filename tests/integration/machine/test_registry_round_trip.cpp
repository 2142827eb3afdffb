// A registry file imported with "machine reg import" comes back unchanged
// from "machine reg export", in both file versions, with every value type
// and hex data long enough to be wrapped; what the tool imported is what a
// program of the machine reads.

#include <gtest/gtest.h>

#include "outside/machine_tool_process.h"
#include "support/fresh_machine.h"
#include "win32/registry/registry.h"

using testsupport::ShellWord;
using testsupport::ToolRun;
using testsupport::WriteHostFile;

namespace {

struct RoundTrip {
    const char* name;
    std::string file;
};
void PrintTo(const RoundTrip& roundTrip, std::ostream* os) { *os << roundTrip.name; }

const RoundTrip kFiles[] = {
    {"Version5",
     "Windows Registry Editor Version 5.00\r\n\r\n"
     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN]\r\n\r\n"
     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN\\Quillery]\r\n"
     "@=\"default\"\r\n"
     "\"Folder\"=\"C:\\\\Program Files\\\\Quillery \\\"Help\\\"\"\r\n"
     "\"Count\"=dword:0000002a\r\n"
     "\"Path\"=hex(2):25,00,77,00,69,00,6e,00,64,00,69,00,72,00,25,00,00,00\r\n"
     "\"Names\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
     "\"Blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
     "  16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,\\\r\n"
     "  2f\r\n"
     "\"Empty\"=\"\"\r\n\r\n"},
    {"Regedit4",
     "REGEDIT4\r\n\r\n"
     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN]\r\n\r\n"
     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN\\Quillery]\r\n"
     "\"Folder\"=\"C:\\\\Program Files\\\\Quillery\"\r\n"
     "\"Count\"=dword:ffffffff\r\n"
     "\"Path\"=hex(2):25,77,69,6e,64,69,72,25,00\r\n"
     "\"Raw\"=hex(0):\r\n\r\n"},
};

class RegistryRoundTrip : public ::testing::TestWithParam<RoundTrip> {
protected:
    ToolRun Tool(const std::string& arguments) const {
        return testsupport::RunMachineTool(testsupport::MachineOption(machine.Folder()) + arguments);
    }
    testsupport::FreshMachine machine{"XP"};
};

TEST_P(RegistryRoundTrip, ExportGivesBackWhatWasImported) {
    const auto file = machine.Folder().parent_path() / "keys.reg";
    WriteHostFile(file, GetParam().file);
    const ToolRun imported = Tool("reg import " + ShellWord(file.string()));
    ASSERT_EQ(imported.exitCode, 0) << imported.err;

    const bool regedit4 = GetParam().file.starts_with("REGEDIT4");
    const ToolRun exported =
        Tool(std::string("reg export 'HKLM\\SOFTWARE\\TARN'") + (regedit4 ? " --regedit4" : ""));
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, GetParam().file);

    // The program's view of the same registry.
    win32::HKEY key = 0;
    ASSERT_EQ(win32::RegOpenKeyEx(win32::HKEY_LOCAL_MACHINE, "SOFTWARE\\TARN\\Quillery", 0, win32::KEY_READ, &key),
              win32::ERROR_SUCCESS);
    uint32_t type = 0, count = 0, size = sizeof count;
    EXPECT_EQ(win32::RegQueryValueEx(key, "count", nullptr, &type, reinterpret_cast<uint8_t*>(&count), &size),
              win32::ERROR_SUCCESS);
    EXPECT_EQ(type, win32::REG_DWORD);
    EXPECT_EQ(count, regedit4 ? 0xFFFFFFFFu : 42u);
    win32::RegCloseKey(key);

    // Importing the export again changes nothing.
    WriteHostFile(file, exported.out);
    ASSERT_EQ(Tool("reg import " + ShellWord(file.string())).exitCode, 0);
    EXPECT_EQ(Tool(std::string("reg export 'HKLM\\SOFTWARE\\TARN'") + (regedit4 ? " --regedit4" : "")).out,
              GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(Versions, RegistryRoundTrip, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
