#include "paths/office_folder_specifiers.h"

#include "support/routines_API.h"
#include "paths/routines_ExpandPaths.h"
#include "paths/routines_Registry.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/paths.h"

namespace {

bool IsSuiteVersion(int version) { return version >= 7 && version <= 19; }

// The key of `tail` for `version`: the suite's own key for 7 and 8, the
// policies key for 9 to 19, empty otherwise.
std::string VersionKey(int version, const std::string& tail) {
    const std::string v = std::to_string(version) + ".0";
    if (version == 7 || version == 8) return "\\Software\\Microsoft\\Office\\" + v + tail;
    if (version >= 9 && version <= 19) return "\\Software\\Policies\\Microsoft\\Office\\" + v + tail;
    return {};
}

std::string UnderProgramFiles(const std::string& folder) {
    return IncludeTrailingBackslash(GetProgramFilesDir()) + folder;
}

std::string ReadOfficePath(const std::string& key, const std::string& valueName, const std::string& fallback) {
    return ExcludeTrailingBackslash(ReadRegistryString(hkCurrentUser, key, valueName, fallback));
}

std::string UserTemplatesPath() {
    const int version = GetWordVersion();
    const std::string fallback = UnderProgramFiles("Microsoft Office\\Templates");
    if (!IsSuiteVersion(version)) return fallback;
    return ReadOfficePath(VersionKey(version, "\\Common\\FileNew\\LocalTemplates"), "", fallback);
}

}  // namespace

int GetWordVersion() {
    try {
        TRegistry registry;
        registry.SetRootKey(win32::HKEY_CLASSES_ROOT);
        if (!registry.OpenKey("\\Word.Document\\CurVer", false)) return -1;
        const std::string curVer = registry.ReadString("");
        const auto first = curVer.find('.');
        if (first == std::string::npos) return -1;
        const auto second = curVer.find('.', first + 1);
        if (second == std::string::npos) return -1;
        const std::string versionText = curVer.substr(second + 1);
        if (!registry.OpenKey("\\" + curVer + "\\protocol\\StdFileEditing\\server", false)) return -1;
        const std::string server = registry.ReadString("");
        if (server.empty() || !FileExists(server)) return -1;
        size_t used = 0;
        const int version = std::stoi(versionText, &used);
        return used == versionText.size() ? version : -1;
    } catch (const std::exception&) {
        return -1;
    }
}

TpsOfficeUserTemplates::TpsOfficeUserTemplates(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psOfficeUserTemplates");
}
std::string TpsOfficeUserTemplates::GetPath(TComponent* object) {
    (void)object;
    return UserTemplatesPath();
}

TpsOfficeWorkgroupTemplates::TpsOfficeWorkgroupTemplates(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psOfficeWorkgroupTemplates");
}
std::string TpsOfficeWorkgroupTemplates::GetPath(TComponent* object) {
    (void)object;
    const std::string fallback = UserTemplatesPath();
    const int version = GetWordVersion();
    if (!IsSuiteVersion(version)) return fallback;
    return ReadOfficePath(VersionKey(version, "\\Common\\FileNew\\SharedTemplates"), "", fallback);
}

TpsWordOptionFolder::TpsWordOptionFolder(TComponent* owner, const Rule& rule)
    : TStandardPathSpecifier(owner), rule_(rule) {
    SetDefaultName(rule.defaultName);
}
std::string TpsWordOptionFolder::GetPath(TComponent* object) {
    (void)object;
    const std::string fallback = UnderProgramFiles(rule_.defaultFolder);
    const int version = GetWordVersion();
    if (!IsSuiteVersion(version)) return fallback;
    return ReadOfficePath(VersionKey(version, "\\Word\\Options"), rule_.valueName, fallback);
}

TpsOfficeClipartDirectory::TpsOfficeClipartDirectory(TComponent* owner)
    : TpsWordOptionFolder(owner, {"psOfficeClipartDirectory", "Path to the MS Office Clipart directory",
                                  "Office Clipart dir", "PICTURE-PATH", "Microsoft Office\\Clipart"}) {}

TpsOfficeStartupDirectory::TpsOfficeStartupDirectory(TComponent* owner)
    : TpsWordOptionFolder(owner, {"psOfficeStartupDirectory", "Path to the MS Office Startup directory",
                                  "Office Startup dir", "STARTUP-PATH", "Microsoft Office\\Office\\Startup"}) {}

TpsOfficeToolsDirectory::TpsOfficeToolsDirectory(TComponent* owner)
    : TpsWordOptionFolder(owner, {"psOfficeToolsDirectory", "Path to the MS Office Tools directory",
                                  "Office Tools dir", "TOOLS-PATH", "Microsoft Office\\Office"}) {}

TpsOfficeFavoritesDirectory::TpsOfficeFavoritesDirectory(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psOfficeFavoritesDirectory");
}
std::string TpsOfficeFavoritesDirectory::GetPath(TComponent* object) {
    (void)object;
    return ExcludeTrailingBackslash(
        ReadRegistryString(hkCurrentUser, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                           "Favorites", IncludeTrailingBackslash(GetWindowsDir()) + "Favorites"));
}
