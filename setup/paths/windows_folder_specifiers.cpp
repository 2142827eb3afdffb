#include "paths/windows_folder_specifiers.h"

#include "support/routines_API.h"
#include "vcl/system/paths.h"
#include "win32/shell/shell_folder_locations.h"

std::string GetSpecialFolderPath(int32_t csidl) {
    std::string result;
    win32::ITEMIDLIST* list = nullptr;
    if (win32::SHGetSpecialFolderLocation(nullptr, csidl, &list) != 0 || list == nullptr) return result;
    std::string path;
    if (win32::SHGetPathFromIDList(list, path) && path.size() < 261) result = path;
    win32::CoTaskMemFree(list);
    return result;
}

TpsShellFolder::TpsShellFolder(TComponent* owner, const Rule& rule) : TStandardPathSpecifier(owner), rule_(rule) {
    SetDefaultName(rule.defaultName);
}

int32_t TpsShellFolder::FolderFor(int32_t os) const {
    const auto version = static_cast<TOSVerType>(os);
    if (IsNTFamily(version)) return rule_.nt;
    if (Is9xFamily(version)) return rule_.win9x;
    return rule_.other;
}

std::string TpsShellFolder::GetPath(TComponent* object) {
    (void)object;
    const int32_t folder = FolderFor(CurrentOS());
    if (folder == kNothing) return {};
    if (folder == kUndefined) return "undefined";
    return ExcludeTrailingBackslash(GetSpecialFolderPath(folder));
}

TpsPrinters::TpsPrinters(TComponent* owner)
    : TpsShellFolder(owner, {"psPrinters", "virtual folder containing installed printers", "Installed Printers", 4, TpsShellFolder::kUndefined, TpsShellFolder::kUndefined}) {}

TpsRecent::TpsRecent(TComponent* owner)
    : TpsShellFolder(owner, {"psRecent", "Recently Used Documents", "Recently Used", 8, TpsShellFolder::kUndefined, TpsShellFolder::kUndefined}) {}

TpsSendTo::TpsSendTo(TComponent* owner)
    : TpsShellFolder(owner, {"psSendTo", "Send To Menu", "Send To", 9, TpsShellFolder::kNothing, TpsShellFolder::kNothing}) {}

TpsStartup::TpsStartup(TComponent* owner)
    : TpsShellFolder(owner, {"psStartup", "User Startup", "Startup", 7, TpsShellFolder::kNothing, TpsShellFolder::kNothing}) {}

TpsControlPanel::TpsControlPanel(TComponent* owner)
    : TpsShellFolder(owner, {"psControlPanel", "Control Panel", "Control Panel", 3, TpsShellFolder::kNothing, TpsShellFolder::kNothing}) {}

TpsFavorites::TpsFavorites(TComponent* owner)
    : TpsShellFolder(owner, {"psFavorites", "Favorites", "Favorites", 6, TpsShellFolder::kUndefined, TpsShellFolder::kUndefined}) {}

TpsBitBucket::TpsBitBucket(TComponent* owner)
    : TpsShellFolder(owner, {"psBitBucket", "Recycle bin", "Recycle bin", 10, TpsShellFolder::kNothing, TpsShellFolder::kNothing}) {}

TpsCookies::TpsCookies(TComponent* owner)
    : TpsShellFolder(owner, {"psCookies", "Cookies", "Cookies", 33, TpsShellFolder::kNothing, TpsShellFolder::kNothing}) {}

TpsCommonAltStartup::TpsCommonAltStartup(TComponent* owner)
    : TpsShellFolder(owner, {"psCommonAltStartup", "Alternate Startup folder for (All Users profile)", "Common Alternate Startup folder", 30, 29, TpsShellFolder::kNothing}) {}

TpsCommonStartup::TpsCommonStartup(TComponent* owner)
    : TpsShellFolder(owner, {"psCommonStartup", "Common Startup directory", "Common Startup", 24, 7, TpsShellFolder::kNothing}) {}

TpsCommonDesktopDirectory::TpsCommonDesktopDirectory(TComponent* owner)
    : TpsShellFolder(owner, {"psCommonDesktopDirectory", "Common Desktop Directory", "Common Desktop", 25, 16, TpsShellFolder::kUndefined}) {}

TpsCommonFavorites::TpsCommonFavorites(TComponent* owner)
    : TpsShellFolder(owner, {"psCommonFavorites", "Common Favorites", "Common Favorites", 31, 6, TpsShellFolder::kNothing}) {}

TpsCommonPrograms::TpsCommonPrograms(TComponent* owner)
    : TpsShellFolder(owner, {"psCommonPrograms", "Common Programs", "Common Programs", 23, 2, TpsShellFolder::kNothing}) {}

TpsCommonStartMenu::TpsCommonStartMenu(TComponent* owner)
    : TpsShellFolder(owner, {"psCommonStartMenu", "Common Start Menu", "Common Start Menu", 22, 11, TpsShellFolder::kNothing}) {}

int32_t TpsCommonStartup::FolderFor(int32_t os) const {
    return os == oswinXP ? kNothing : TpsShellFolder::FolderFor(os);
}

TpsQuickLaunchMenu::TpsQuickLaunchMenu(TComponent* owner) : TStandardPathSpecifier(owner) {
    SetDefaultName("psQuickLaunchMenu");
}

std::string TpsQuickLaunchMenu::GetPath(TComponent* object) {
    (void)object;
    const std::string appData = ExcludeTrailingBackslash(GetSpecialFolderPath(win32::CSIDL_APPDATA));
    if (appData.empty()) return "undefined";
    return ExcludeTrailingBackslash(appData + "\\Microsoft\\Internet Explorer\\Quick Launch");
}
