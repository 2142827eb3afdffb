// Special folders per Windows version, consistent with the machine's
// layout and with the registry's Shell Folders values.

#include <gtest/gtest.h>

#include <memory>

#include "support/fresh_machine.h"
#include "win32/attributes.h"
#include "win32/shell/shell_folder_locations.h"

using namespace win32;

namespace {

// The path of a folder, "<virtual>" for a folder without path, "<E_...>"
// for a failure.
std::string FolderPath(int32_t csidl) {
    ITEMIDLIST* list = nullptr;
    const HRESULT hr = SHGetSpecialFolderLocation(nullptr, csidl, &list);
    if (hr == E_INVALIDARG) return "<E_INVALIDARG>";
    if (hr == E_FAIL) return "<E_FAIL>";
    if (FAILED(hr)) return "<failed>";
    std::string path;
    const bool ok = SHGetPathFromIDList(list, path);
    CoTaskMemFree(list);
    return ok ? path : "<virtual>";
}

TEST(SpecialFolders, PerWindowsVersion) {
    struct Case {
        const char* version;
        int32_t csidl;
        std::string path;
    };
    const std::string xpUser = "C:\\Documents and Settings\\Ann";
    const std::string xpAll = "C:\\Documents and Settings\\All Users";
    std::unique_ptr<testsupport::FreshMachine> machine;
    std::string machineVersion;
    for (const Case& c : {
             Case{"XP", CSIDL_PROGRAMS, xpUser + "\\Start Menu\\Programs"},
             Case{"XP", CSIDL_COMMON_PROGRAMS, xpAll + "\\Start Menu\\Programs"},
             Case{"XP", CSIDL_COMMON_STARTMENU, xpAll + "\\Start Menu"},
             Case{"XP", CSIDL_COMMON_DESKTOPDIRECTORY, xpAll + "\\Desktop"},
             Case{"XP", CSIDL_COMMON_STARTUP, xpAll + "\\Start Menu\\Programs\\Startup"},
             Case{"XP", CSIDL_APPDATA, xpUser + "\\Application Data"},
             Case{"XP", CSIDL_COOKIES, xpUser + "\\Cookies"},
             Case{"XP", CSIDL_SENDTO, xpUser + "\\SendTo"},
             Case{"XP", CSIDL_RECENT, xpUser + "\\Recent"},
             Case{"XP", CSIDL_DESKTOP, xpUser + "\\Desktop"},
             Case{"XP", CSIDL_PROGRAM_FILES, "C:\\Program Files"},
             Case{"XP", CSIDL_PRINTERS, "<virtual>"},
             Case{"XP", CSIDL_CONTROLS, "<virtual>"},
             Case{"XP", CSIDL_BITBUCKET, "<virtual>"},
             Case{"XP", CSIDL_COMMON_ALTSTARTUP, "<E_FAIL>"},
             Case{"XP", 0x7F, "<E_INVALIDARG>"},
             Case{"2000", CSIDL_WINDOWS, "C:\\WINNT"},
             Case{"NT4", CSIDL_COMMON_PROGRAMS, "C:\\WINNT\\Profiles\\All Users\\Start Menu\\Programs"},
             Case{"NT4", CSIDL_FAVORITES, "C:\\WINNT\\Profiles\\Ann\\Favorites"},
             Case{"NT4", CSIDL_PROGRAM_FILES, "<E_INVALIDARG>"},
             Case{"98", CSIDL_PROGRAMS, "C:\\WINDOWS\\Start Menu\\Programs"},
             Case{"98", CSIDL_STARTUP, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp"},
             Case{"98", CSIDL_DESKTOPDIRECTORY, "C:\\WINDOWS\\Desktop"},
             Case{"98", CSIDL_PERSONAL, "C:\\My Documents"},
             Case{"98", CSIDL_COMMON_PROGRAMS, "<E_INVALIDARG>"},
             Case{"98", CSIDL_COMMON_FAVORITES, "<E_INVALIDARG>"},
             Case{"98", CSIDL_ALTSTARTUP, "<E_FAIL>"},
             Case{"98", CSIDL_WINDOWS, "<E_INVALIDARG>"},
             Case{"ME", CSIDL_WINDOWS, "C:\\WINDOWS"},
             Case{"ME", CSIDL_COMMON_APPDATA, "<E_INVALIDARG>"},
             Case{"95", CSIDL_PRINTERS, "<virtual>"},
         }) {
        // One machine per version: the cases come grouped by version.
        if (!machine || machineVersion != c.version) {
            machine.reset();
            machine = std::make_unique<testsupport::FreshMachine>(c.version, "Ann");
            machineVersion = c.version;
        }
        EXPECT_EQ(FolderPath(c.csidl), c.path) << c.version << " CSIDL " << c.csidl;
    }
}

TEST(SpecialFolders, FoldersWithAPathExistOnAFreshMachineOrAreMadeOnRequest) {
    for (const char* version : {"XP", "98", "NT4"}) {
        testsupport::FreshMachine machine(version);
        for (int32_t csidl : {CSIDL_PROGRAMS, CSIDL_STARTMENU, CSIDL_DESKTOPDIRECTORY, CSIDL_APPDATA, CSIDL_FAVORITES,
                              CSIDL_SENDTO, CSIDL_STARTUP, CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_DESKTOPDIRECTORY}) {
            std::string path;
            if (!SHGetSpecialFolderPath(nullptr, path, csidl, false)) continue;  // absent on this version
            EXPECT_NE(GetFileAttributes(path), INVALID_FILE_ATTRIBUTES) << version << " " << path;
        }
    }
    testsupport::FreshMachine machine("XP");
    std::string cookies;
    ASSERT_TRUE(SHGetSpecialFolderPath(nullptr, cookies, CSIDL_COOKIES, false));
    ASSERT_TRUE(std::filesystem::remove_all(machine.HostPath(cookies)));
    ASSERT_TRUE(SHGetSpecialFolderPath(nullptr, cookies, CSIDL_COOKIES | CSIDL_FLAG_CREATE, false));
    EXPECT_NE(GetFileAttributes(cookies), INVALID_FILE_ATTRIBUTES);
    std::string none = "stale";
    EXPECT_FALSE(SHGetSpecialFolderPath(nullptr, none, CSIDL_PRINTERS, true));
    EXPECT_EQ(none, "");
    EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAMS, nullptr), E_POINTER);
}

}  // namespace
