#pragma once
// The standard folders of a Windows version on drive C:, as a fresh
// installation of that version has them: the Windows and system folders,
// Program Files with Common Files, the temporary folder, the fonts and the
// user's and all users' profile folders (under "Documents and Settings" on
// 2000 and XP, under WINNT\Profiles on NT4, inside WINDOWS on 9x).

#include <string>
#include <vector>

#include "win32/machine_config.h"

namespace win32 {

// Full Windows paths without trailing backslash ("C:\WINDOWS").
struct MachineLayout {
    std::string windows;
    std::string system;        // SYSTEM on 9x, system32 on the NT family
    std::string temp;          // the user's temporary folder
    std::string fonts;
    std::string programFiles;
    std::string commonFiles;
    std::string profile;       // the user's profile (the Windows folder on 9x)
    std::string startMenu;
    std::string programs;
    std::string startup;
    std::string desktop;
    std::string favorites;
    std::string sendTo;
    std::string recent;
    std::string appData;
    std::string cookies;
    std::string personal;      // My Documents
    std::string templates;
    std::string nethood;
    std::string commonStartMenu;  // all users' folders; the user's own on 9x
    std::string commonPrograms;
    std::string commonStartup;
    std::string commonDesktop;
    std::string commonFavorites;
    std::string commonAppData;

    // Every folder of the layout, parents before children, in the order a
    // new machine creates them.
    std::vector<std::string> AllFolders() const;
};

MachineLayout StandardLayout(const MachineConfig& config);

}  // namespace win32
