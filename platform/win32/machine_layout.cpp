#include "win32/machine_layout.h"

#include <set>

namespace win32 {

namespace {
void SetUserFolders(MachineLayout& l, const std::string& profile, const std::string& startupName) {
    l.profile = profile;
    l.startMenu = profile + "\\Start Menu";
    l.programs = l.startMenu + "\\Programs";
    l.startup = l.programs + "\\" + startupName;
    l.desktop = profile + "\\Desktop";
    l.favorites = profile + "\\Favorites";
    l.sendTo = profile + "\\SendTo";
    l.recent = profile + "\\Recent";
    l.appData = profile + "\\Application Data";
    l.cookies = profile + "\\Cookies";
    l.templates = profile + "\\Templates";
    l.nethood = profile + "\\NetHood";
}

void SetCommonFolders(MachineLayout& l, const std::string& allUsers) {
    l.commonStartMenu = allUsers + "\\Start Menu";
    l.commonPrograms = l.commonStartMenu + "\\Programs";
    l.commonStartup = l.commonPrograms + "\\Startup";
    l.commonDesktop = allUsers + "\\Desktop";
    l.commonFavorites = allUsers + "\\Favorites";
    l.commonAppData = allUsers + "\\Application Data";
}
}  // namespace

MachineLayout StandardLayout(const MachineConfig& config) {
    const WindowsVersion& v = config.version;
    MachineLayout l;
    l.programFiles = "C:\\Program Files";
    l.commonFiles = l.programFiles + "\\Common Files";
    if (Is9xFamily(v)) {
        l.windows = "C:\\WINDOWS";
        l.system = l.windows + "\\SYSTEM";
        l.fonts = l.windows + "\\FONTS";
        l.temp = l.windows + "\\TEMP";
        SetUserFolders(l, l.windows, "StartUp");
        l.personal = "C:\\My Documents";
        // 9x has one profile: the common folders are the user's own.
        l.commonStartMenu = l.startMenu;
        l.commonPrograms = l.programs;
        l.commonStartup = l.startup;
        l.commonDesktop = l.desktop;
        l.commonFavorites = l.favorites;
        l.commonAppData = l.appData;
    } else if (v.major <= 4) {
        l.windows = "C:\\WINNT";
        l.system = l.windows + "\\system32";
        l.fonts = l.windows + "\\Fonts";
        l.temp = "C:\\TEMP";
        SetUserFolders(l, l.windows + "\\Profiles\\" + config.userName, "Startup");
        l.personal = l.profile + "\\Personal";
        SetCommonFolders(l, l.windows + "\\Profiles\\All Users");
    } else {
        l.windows = v.major == 5 && v.minor == 0 ? "C:\\WINNT" : "C:\\WINDOWS";
        l.system = l.windows + "\\system32";
        l.fonts = l.windows + "\\Fonts";
        SetUserFolders(l, "C:\\Documents and Settings\\" + config.userName, "Startup");
        l.temp = l.profile + "\\Local Settings\\Temp";
        l.personal = l.profile + "\\My Documents";
        SetCommonFolders(l, "C:\\Documents and Settings\\All Users");
    }
    return l;
}

std::vector<std::string> MachineLayout::AllFolders() const {
    std::vector<std::string> folders;
    std::set<std::string> seen;
    auto add = [&](const std::string& path) {
        // Parents first: every prefix up to a backslash is a folder too.
        for (size_t pos = path.find('\\', 3); ; pos = path.find('\\', pos + 1)) {
            const std::string prefix = pos == std::string::npos ? path : path.substr(0, pos);
            if (seen.insert(prefix).second) folders.push_back(prefix);
            if (pos == std::string::npos) break;
        }
    };
    for (const std::string* folder :
         {&windows, &system, &fonts, &temp, &programFiles, &commonFiles, &profile, &startMenu, &programs,
          &startup, &desktop, &favorites, &sendTo, &recent, &appData, &cookies, &personal, &templates,
          &nethood, &commonStartMenu, &commonPrograms, &commonStartup, &commonDesktop, &commonFavorites,
          &commonAppData})
        add(*folder);
    // The old 16-bit system folder that NT keeps beside system32.
    if (system != windows + "\\SYSTEM") add(windows + "\\system");
    add(appData + "\\Microsoft\\Internet Explorer\\Quick Launch");
    return folders;
}

}  // namespace win32
