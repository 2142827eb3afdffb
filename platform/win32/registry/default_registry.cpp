#include "win32/registry/default_registry.h"

#include <vector>

#include "win32/registry/registry_names.h"
#include "win32/registry/registry_paths.h"

namespace win32 {

namespace {

const std::string kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
// A user's hive spells its software key "Software", as Windows does.
const std::string kUserCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";

// Writes keys and values below one key of the store.
class KeyWriter {
public:
    KeyWriter(RegistryStore& store, int64_t base) : store_(store), base_(base) {}

    int64_t Key(const std::string& path) {
        std::vector<std::string> names;
        registry_paths::SplitKeyPath(path, names);
        return registry_paths::CreateKeyPath(store_, base_, names);
    }
    void String(const std::string& path, const std::string& name, const std::string& text, uint32_t type = REG_SZ) {
        store_.SetValue(Key(path), name, type, text + '\0');
    }

private:
    RegistryStore& store_;
    int64_t base_;
};

// "%VARIABLE%\rest" when `path` lies inside `folder`, else the path itself.
std::string WithVariable(const std::string& path, const std::string& folder, const std::string& variable) {
    const std::string prefix = folder + "\\";
    if (path.size() >= prefix.size() &&
        registry_names::FoldName(path.substr(0, prefix.size())) == registry_names::FoldName(prefix)) {
        return "%" + variable + "%\\" + path.substr(prefix.size());
    }
    return path;
}

std::string ParentFolder(const std::string& path) { return path.substr(0, path.rfind('\\')); }

struct Folder {
    const char* name;
    const std::string* path;
};

std::string ProductName(const WindowsVersion& v) {
    if (Is9xFamily(v)) {
        if (v.minor == 0) return "Microsoft Windows 95";
        if (v.minor == 10) return "Microsoft Windows 98";
        return "Microsoft Windows ME";
    }
    if (v.major <= 4) return "Microsoft Windows NT";
    if (v.major == 5 && v.minor == 0) return "Microsoft Windows 2000";
    if (v.major == 5 && v.minor == 1) return "Microsoft Windows XP";
    return "Microsoft Windows";
}

// The 9x version texts: "Windows 98" and "4.10.1998".
std::string NineXVersion(const WindowsVersion& v) { return ProductName(v).substr(std::string("Microsoft ").size()); }

std::string VersionNumber(const WindowsVersion& v) {
    const std::string minor = v.minor < 10 ? "0" + std::to_string(v.minor) : std::to_string(v.minor);
    return std::to_string(v.major) + "." + minor + "." + std::to_string(v.build);
}

void WriteMachineKeys(KeyWriter& machine, const MachineConfig& config, const MachineLayout& layout, bool nt) {
    const WindowsVersion& v = config.version;
    machine.Key("SOFTWARE\\Classes");
    machine.Key("SOFTWARE\\Microsoft\\Windows\\Help");
    machine.String(kCurrentVersion, "ProgramFilesDir", layout.programFiles);
    machine.String(kCurrentVersion, "CommonFilesDir", layout.commonFiles);
    for (const char* sub : {"App Paths", "Run", "RunOnce", "Uninstall", "SharedDLLs"}) {
        machine.Key(kCurrentVersion + "\\" + sub);
    }
    const std::string shellFolders = kCurrentVersion + "\\Explorer\\Shell Folders";
    const std::string userShellFolders = kCurrentVersion + "\\Explorer\\User Shell Folders";
    machine.Key(shellFolders);
    machine.Key(userShellFolders);
    machine.String("SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName", "ComputerName", config.computerName);

    if (!nt) {
        machine.String(kCurrentVersion, "ProductName", ProductName(v));
        machine.String(kCurrentVersion, "Version", NineXVersion(v));
        machine.String(kCurrentVersion, "VersionNumber", VersionNumber(v));
        machine.String(kCurrentVersion, "RegisteredOwner", config.userName);
        machine.String(kCurrentVersion, "RegisteredOrganization", "");
        machine.String(kCurrentVersion, "SystemRoot", layout.windows);
        machine.Key(kCurrentVersion + "\\RunServices");
        return;
    }
    const std::string ntVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    machine.String(ntVersion, "CurrentVersion", std::to_string(v.major) + "." + std::to_string(v.minor));
    machine.String(ntVersion, "CurrentBuildNumber", std::to_string(v.build));
    machine.String(ntVersion, "CSDVersion", v.servicePack);
    machine.String(ntVersion, "ProductName", ProductName(v));
    machine.String(ntVersion, "RegisteredOwner", config.userName);
    machine.String(ntVersion, "RegisteredOrganization", "");
    machine.String(ntVersion, "SystemRoot", layout.windows);
    machine.Key("SYSTEM\\CurrentControlSet\\Control\\Session Manager");

    const std::string allUsers = ParentFolder(layout.commonDesktop);
    const Folder common[] = {
        {"Common AppData", &layout.commonAppData},   {"Common Desktop", &layout.commonDesktop},
        {"Common Favorites", &layout.commonFavorites}, {"Common Programs", &layout.commonPrograms},
        {"Common Start Menu", &layout.commonStartMenu}, {"Common Startup", &layout.commonStartup},
    };
    for (const auto& folder : common) {
        machine.String(shellFolders, folder.name, *folder.path);
        machine.String(userShellFolders, folder.name, WithVariable(*folder.path, allUsers, "ALLUSERSPROFILE"),
                       REG_EXPAND_SZ);
    }
}

void WriteUserKeys(KeyWriter& user, const MachineLayout& layout, bool nt) {
    user.Key(kUserCurrentVersion + "\\Run");
    user.Key(kUserCurrentVersion + "\\RunOnce");
    const Folder folders[] = {
        {"AppData", &layout.appData},   {"Cookies", &layout.cookies},     {"Desktop", &layout.desktop},
        {"Favorites", &layout.favorites}, {"NetHood", &layout.nethood},   {"Personal", &layout.personal},
        {"Programs", &layout.programs}, {"Recent", &layout.recent},       {"SendTo", &layout.sendTo},
        {"Start Menu", &layout.startMenu}, {"Startup", &layout.startup}, {"Templates", &layout.templates},
    };
    const std::string shellFolders = kUserCurrentVersion + "\\Explorer\\Shell Folders";
    const std::string userShellFolders = kUserCurrentVersion + "\\Explorer\\User Shell Folders";
    for (const auto& folder : folders) {
        user.String(shellFolders, folder.name, *folder.path);
        if (nt) {
            user.String(userShellFolders, folder.name, WithVariable(*folder.path, layout.profile, "USERPROFILE"),
                        REG_EXPAND_SZ);
        } else {
            user.String(userShellFolders, folder.name, *folder.path);
        }
    }
    if (nt) {
        const std::string temp = WithVariable(layout.temp, layout.profile, "USERPROFILE");
        user.String("Environment", "TEMP", temp, REG_EXPAND_SZ);
        user.String("Environment", "TMP", temp, REG_EXPAND_SZ);
    }
}

}  // namespace

void WriteDefaultRegistry(RegistryStore& store, const MachineConfig& config, const MachineLayout& layout) {
    const bool nt = IsNTFamily(config.version);
    RegistryStore::Transaction transaction(store);
    store.SetFamily(nt ? RegistryFamily::NT : RegistryFamily::Win9x);
    store.SetCurrentUserKey(nt ? kNtUserKey : ".DEFAULT");

    KeyWriter users(store, *registry_paths::RootKeyId(store, HKEY_USERS));
    users.Key(".DEFAULT");
    KeyWriter machine(store, *registry_paths::RootKeyId(store, HKEY_LOCAL_MACHINE));
    WriteMachineKeys(machine, config, layout, nt);
    KeyWriter user(store, *registry_paths::RootKeyId(store, HKEY_CURRENT_USER));
    WriteUserKeys(user, layout, nt);
    store.HiveId("HKEY_CURRENT_CONFIG");
    if (!nt) store.HiveId("HKEY_DYN_DATA");
    transaction.Commit();
}

}  // namespace win32
