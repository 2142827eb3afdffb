// A new machine's registry holds what its Windows version holds and what
// the programs read from it.

#include "support_registry.h"
#include "win32/registry/default_registry.h"
#include "win32/registry/registry_store.h"

using namespace win32;

namespace {

class DefaultRegistryTest : public RegistryTest {
protected:
    void Make(const std::string& preset) {
        config_.version = *WindowsVersionPreset(preset);
        config_.userName = "Ann";
        layout_ = StandardLayout(config_);
        WriteDefaultRegistry(CurrentRegistryStore(), config_, layout_);
    }
    std::string Value(HKEY root, const std::string& path, const std::string& name, uint32_t* type = nullptr) {
        HKEY key = 0;
        if (RegOpenKeyEx(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "no key " + path;
        std::string data = Read(key, name, type);
        RegCloseKey(key);
        if (!data.empty() && data.back() == '\0') data.pop_back();
        return data;
    }
    bool KeyExists(HKEY root, const std::string& path) {
        HKEY key = 0;
        const bool found = RegOpenKeyEx(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }

    MachineConfig config_;
    MachineLayout layout_;
};

const std::string kVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kUserShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

}  // namespace

TEST_F(DefaultRegistryTest, WindowsXpHoldsTheNtKeysAndTheUsersFolders) {
    Make("XP");
    EXPECT_EQ(GetRegistryFamily(), RegistryFamily::NT);
    EXPECT_EQ(CurrentRegistryStore().CurrentUserKey(), kNtUserKey);
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion, "ProgramFilesDir"), "C:\\Program Files");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion, "CommonFilesDir"), "C:\\Program Files\\Common Files");
    const std::string nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, nt, "CurrentVersion"), "5.1");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, nt, "CurrentBuildNumber"), "2600");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, nt, "ProductName"), "Microsoft Windows XP");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, nt, "RegisteredOwner"), "Ann");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, nt, "SystemRoot"), "C:\\WINDOWS");

    EXPECT_EQ(Value(HKEY_CURRENT_USER, kShellFolders, "Programs"),
              "C:\\Documents and Settings\\Ann\\Start Menu\\Programs");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kShellFolders, "Desktop"), "C:\\Documents and Settings\\Ann\\Desktop");
    uint32_t type = 0;
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kUserShellFolders, "Start Menu", &type), "%USERPROFILE%\\Start Menu");
    EXPECT_EQ(type, REG_EXPAND_SZ);
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion + "\\Explorer\\Shell Folders", "Common Programs"),
              "C:\\Documents and Settings\\All Users\\Start Menu\\Programs");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion + "\\Explorer\\User Shell Folders", "Common Desktop"),
              "%ALLUSERSPROFILE%\\Desktop");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, "Environment", "TEMP"), "%USERPROFILE%\\Local Settings\\Temp");
    for (const char* sub : {"Uninstall", "SharedDLLs", "RunOnce", "Run", "App Paths"}) {
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kVersion + "\\" + sub)) << sub;
    }
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\Help"));
    EXPECT_TRUE(KeyExists(HKEY_USERS, ".DEFAULT"));
    // No office suite is installed.
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Word.Document\\CurVer"));
}

TEST_F(DefaultRegistryTest, Windows98HoldsTheNineXKeysWithoutCommonFolders) {
    Make("98");
    EXPECT_EQ(GetRegistryFamily(), RegistryFamily::Win9x);
    EXPECT_EQ(CurrentRegistryStore().CurrentUserKey(), ".DEFAULT");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion, "ProductName"), "Microsoft Windows 98");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion, "VersionNumber"), "4.10." + std::to_string(config_.version.build));
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion, "RegisteredOwner"), "Ann");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion, "ProgramFilesDir"), "C:\\Program Files");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kShellFolders, "Start Menu"), "C:\\WINDOWS\\Start Menu");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kShellFolders, "Startup"), "C:\\WINDOWS\\Start Menu\\Programs\\StartUp");
    uint32_t type = 0;
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kUserShellFolders, "Desktop", &type), "C:\\WINDOWS\\Desktop");
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kVersion + "\\Explorer\\Shell Folders", "Common Programs"), "error 2");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kVersion + "\\RunOnce"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kVersion + "\\SharedDLLs"));
}
