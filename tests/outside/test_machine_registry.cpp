// "machine reg export" and "machine reg import", run as a real process:
// the key forms people type, both file versions, and bad files that name
// their line and change nothing.

#include <gtest/gtest.h>

#include <algorithm>

#include "outside/machine_tool_process.h"
#include "support/temp_dir.h"

using testsupport::ShellWord;
using testsupport::ToolRun;
using testsupport::WriteHostFile;

namespace {

class MachineRegistryTool : public testsupport::MachineToolTest {
protected:
    ToolRun Import(const std::string& fileText) const {
        WriteHostFile(dir / "in.reg", fileText);
        return Tool("reg import " + ShellWord((dir / "in.reg").string()));
    }
    std::string Export(const std::string& key) const { return Tool("reg export " + ShellWord(key)).out; }
};

const std::string kVersion5 = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kInstallKey =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN\\Install]\r\n"
    "\"Path\"=\"C:\\\\Program Files\\\\Quillery\"\r\n"
    "\"Count\"=dword:00000002\r\n\r\n";
const std::string kTarnKey = kVersion5 + kInstallKey;

TEST_F(MachineRegistryTool, KeysAreNamedByFullOrShortRootAndExportedInEitherVersion) {
    const ToolRun imported = Import(kTarnKey);
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out.rfind("Imported Z:\\", 0), 0u) << imported.out;
    EXPECT_TRUE(imported.out.ends_with("\\in.reg\n")) << imported.out;

    EXPECT_EQ(Export("HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN\\Install"), kTarnKey);
    EXPECT_EQ(Export("hklm\\software\\tarn\\install"), kTarnKey) << "names match without regard to case";
    EXPECT_EQ(Export("HKLM\\SOFTWARE\\TARN"), kVersion5 + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN]\r\n\r\n" + kInstallKey);

    const ToolRun regedit4 = Tool("reg export 'HKLM\\SOFTWARE\\TARN\\Install' --regedit4");
    EXPECT_EQ(regedit4.exitCode, 0);
    EXPECT_EQ(regedit4.out, "REGEDIT4\r\n\r\n" + kInstallKey);

    // The whole registry holds the machine's defaults and the new key.
    const std::string whole = Tool("reg export").out;
    EXPECT_EQ(whole.rfind("Windows Registry Editor Version 5.00\r\n", 0), 0u);
    EXPECT_NE(whole.find("\"ProgramFilesDir\"=\"C:\\\\Program Files\"\r\n"), std::string::npos);
    EXPECT_NE(whole.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARN\\Install]\r\n"), std::string::npos);
}

TEST_F(MachineRegistryTool, ImportTakesWindowsPaths) {
    WriteHostFile(DriveC() / "keys.reg", kTarnKey);
    const ToolRun imported = Tool("reg import 'c:\\KEYS.REG'");
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "Imported c:\\KEYS.REG\n");
    EXPECT_EQ(Export("HKLM\\SOFTWARE\\TARN\\Install"), kTarnKey);
}

TEST_F(MachineRegistryTool, BadFilesNameTheirLineAndChangeNothing) {
    const std::string before = Tool("reg export").out;
    struct Case {
        const char* file;
        const char* message;
    };
    const Case cases[] = {
        {"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"x\"=\"1\"\r\n"
         "\"y\"=bogus\r\n",
         "Line 5: "},
        {"REGEDIT4\r\n\r\n[HKEY_NOWHERE\\Software]\r\n", "Line 3: "},
        {"[HKEY_CURRENT_USER\\Software\\A]\r\n\"x\"=\"1\"\r\n", "Line 1: "},
        {"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"b\"=hex:01,zz\r\n", "Line 4: "},
        {"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"s\"=\"no end\r\n", "Line 4: "},
    };
    for (const Case& c : cases) {
        const ToolRun run = Import(c.file);
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_EQ(run.err.rfind("machine: Z:", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(std::string("in.reg: ") + c.message), std::string::npos) << c.file << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    EXPECT_EQ(Tool("reg export").out, before);
}

TEST_F(MachineRegistryTool, WrongRequestsAreRefused) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"reg export 'HKLM\\SOFTWARE\\Nowhere'", "machine: The registry key \"HKLM\\SOFTWARE\\Nowhere\" does not exist\n"},
        {"reg export 'HKEY_NOWHERE\\x'", "machine: \"HKEY_NOWHERE\\x\" does not begin with a root key\n"},
        {"reg export HKLM HKCU", "machine: usage: machine reg export"},
        {"reg export --regedit5", "machine: usage: machine reg export"},
        {"reg import", "machine: usage: machine reg export"},
        {"reg delete HKLM", "machine: usage: machine reg export"},
        {"reg import 'C:\\missing.reg'", "machine: C:\\missing.reg: The system cannot find the file specified.\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << c.arguments << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

}  // namespace
