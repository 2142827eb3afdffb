#include <gtest/gtest.h>

#include <cstdlib>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "win32/errors.h"
#include "win32/machine.h"
#include "win32/windows_version.h"

using namespace win32;
using testsupport::FreshMachine;
using testsupport::TempDir;

namespace fs = std::filesystem;

TEST(Machine, CreatedMachineReopensWithItsConfiguration) {
    TempDir dir;
    MachineConfig config;
    config.version = *WindowsVersionPreset("NT4");
    config.userName = "Ann";
    config.computerName = "DESK";
    Machine::Create(dir / "m", config);
    const auto opened = Machine::Open(dir / "m");
    EXPECT_EQ(opened->Config(), config);
    EXPECT_TRUE(fs::is_directory(dir / "m" / "drive_c" / "WINNT" / "Profiles" / "Ann" / "Start Menu"));
}

TEST(Machine, RefusesFoldersThatAreNotMachinesWithoutTouchingThem) {
    TempDir dir;
    testsupport::WriteHostFile(dir / "stuff" / "keep.txt", "mine");
    EXPECT_THROW(Machine::Open(dir / "stuff"), MachineError);
    EXPECT_THROW(Machine::Create(dir / "stuff", MachineConfig{}), MachineError);
    EXPECT_THROW(Machine::OpenOrCreate(dir / "stuff"), MachineError);
    EXPECT_EQ(testsupport::ReadHostFile(dir / "stuff" / "keep.txt"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "stuff"), fs::directory_iterator()), 1);
}

TEST(Machine, CorruptConfigurationIsAClearErrorAndStaysAsItWas) {
    struct Case {
        const char* text;
        const char* reason;
    };
    const Case cases[] = {
        {"[Machine]\r\nFormat=1\r\n", "has no Platform entry"},
        {"[Machine]\r\nFormat=7\r\n", "unknown format 7"},
        {"garbage", "unreadable line"},
        {"[Machine]\r\nFormat=1\r\nPlatform=x\r\nMajor=5\r\nMinor=1\r\nBuild=1\r\nServicePack=\r\n"
         "UserName=U\r\nComputerName=C\r\nCodePage=1252\r\n",
         "malformed Platform entry"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Machine::Create(dir / "m", MachineConfig{});
        testsupport::WriteHostFile(dir / "m" / "machine.ini", c.text);
        try {
            Machine::OpenOrCreate(dir / "m");
            ADD_FAILURE() << "opened a machine with " << c.text;
        } catch (const MachineError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(testsupport::ReadHostFile(dir / "m" / "machine.ini"), c.text);
    }
}

TEST(Machine, RefusesUserNamesThatAreNoFolderNames) {
    TempDir dir;
    for (const char* user : {"", "a\\b", "x:y", ".."}) {
        MachineConfig config;
        config.userName = user;
        EXPECT_THROW(Machine::Create(dir / "m", config), MachineError) << user;
    }
    EXPECT_FALSE(fs::exists(dir / "m"));
}

TEST(Machine, MissingFolderIsCreatedOnFirstUse) {
    TempDir dir;
    const auto machine = Machine::OpenOrCreate(dir / "a" / "b");
    EXPECT_EQ(machine->Config().version, *WindowsVersionPreset("XP"));
    EXPECT_EQ(machine->Config().codePage, 1252u);
    EXPECT_TRUE(fs::exists(dir / "a" / "b" / "machine.ini"));
}

TEST(Machine, DefaultFolderFollowsTheEnvironment) {
    const char* saved = std::getenv("QUILLERY_MACHINE");
    const std::string keep = saved ? saved : "";
    setenv("QUILLERY_MACHINE", "/somewhere/m", 1);
    EXPECT_EQ(DefaultMachineFolder(), fs::path("/somewhere/m"));
    unsetenv("QUILLERY_MACHINE");
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string keepXdg = xdg ? xdg : "";
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(DefaultMachineFolder(), fs::path("/data/quillery/machine"));
    if (xdg) setenv("XDG_DATA_HOME", keepXdg.c_str(), 1); else unsetenv("XDG_DATA_HOME");
    if (saved) setenv("QUILLERY_MACHINE", keep.c_str(), 1);
}

TEST(Machine, LayoutOfEachVersion) {
    struct Case {
        const char* version;
        std::vector<const char*> folders;
    };
    const Case cases[] = {
        {"95", {"C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\Start Menu\\Programs\\StartUp", "C:\\WINDOWS\\Desktop",
                "C:\\WINDOWS\\TEMP", "C:\\Program Files\\Common Files"}},
        {"98", {"C:\\WINDOWS\\FONTS", "C:\\WINDOWS\\SendTo", "C:\\WINDOWS\\Favorites", "C:\\WINDOWS\\Recent"}},
        {"NT4", {"C:\\WINNT\\system32", "C:\\WINNT\\Profiles\\User\\Start Menu\\Programs\\Startup",
                 "C:\\WINNT\\Profiles\\All Users\\Desktop", "C:\\TEMP"}},
        {"2000", {"C:\\WINNT\\system32", "C:\\Documents and Settings\\User\\Local Settings\\Temp",
                  "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup"}},
        {"XP", {"C:\\WINDOWS\\system32", "C:\\WINDOWS\\Fonts", "C:\\Documents and Settings\\User\\Desktop",
                "C:\\Documents and Settings\\User\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch"}},
    };
    for (const Case& c : cases) {
        FreshMachine machine(c.version);
        for (const char* folder : c.folders)
            EXPECT_TRUE(fs::is_directory(machine.HostPath(folder))) << c.version << " " << folder;
    }
}

TEST(Machine, GetVersionExReportsTheConfiguredVersion) {
    struct Case {
        const char* version;
        uint32_t platform, major, minor;
    };
    for (const Case& c : {Case{"95", 1, 4, 0}, Case{"ME", 1, 4, 90}, Case{"NT4", 2, 4, 0}, Case{"2000", 2, 5, 0},
                          Case{"XP", 2, 5, 1}, Case{"unknown", 2, 6, 0}}) {
        FreshMachine machine(c.version);
        OSVERSIONINFO info;
        ASSERT_TRUE(GetVersionEx(info));
        EXPECT_EQ(info.dwPlatformId, c.platform) << c.version;
        EXPECT_EQ(info.dwMajorVersion, c.major) << c.version;
        EXPECT_EQ(info.dwMinorVersion, c.minor) << c.version;
    }
    FreshMachine machine;
    OSVERSIONINFO wrong;
    wrong.dwOSVersionInfoSize = 20;
    EXPECT_FALSE(GetVersionEx(wrong));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}
