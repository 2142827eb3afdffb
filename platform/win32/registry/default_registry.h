#pragma once
// The registry of a new machine: the keys and values a fresh installation
// of the machine's Windows version holds and that programs read.
//
// Written into an empty (or existing) store by WriteDefaultRegistry:
// - the store's family (NT or 9x) and the user's key under HKEY_USERS:
//   kNtUserKey on the NT family, ".DEFAULT" on 9x (one user, no profiles);
//   HKEY_USERS\.DEFAULT exists on both;
// - HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion with "ProgramFilesDir"
//   and "CommonFilesDir" (and on 9x "ProductName", "Version",
//   "VersionNumber", "RegisteredOwner", "RegisteredOrganization",
//   "SystemRoot"), and its sub-keys "App Paths", "Run", "RunOnce",
//   "Uninstall", "SharedDLLs", "Explorer\Shell Folders" and
//   "Explorer\User Shell Folders" (the all-users "Common ..." folders on the
//   NT family; REG_EXPAND_SZ with %ALLUSERSPROFILE% in User Shell Folders);
// - on the NT family HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion with
//   "CurrentVersion", "CurrentBuildNumber", "CSDVersion", "ProductName",
//   "RegisteredOwner", "RegisteredOrganization", "SystemRoot", and
//   HKLM\SYSTEM\CurrentControlSet\Control\Session Manager;
// - HKLM\SOFTWARE\Microsoft\Windows\Help, HKLM\SOFTWARE\Classes and the
//   computer name under HKLM\SYSTEM\CurrentControlSet\Control\ComputerName;
// - for the user: Software\Microsoft\Windows\CurrentVersion "Run",
//   "RunOnce", "Explorer\Shell Folders" (plain paths: "AppData", "Cookies",
//   "Desktop", "Favorites", "NetHood", "Personal", "Programs", "Recent",
//   "SendTo", "Start Menu", "Startup", "Templates") and "Explorer\User Shell
//   Folders" (REG_EXPAND_SZ with %USERPROFILE% on the NT family, the plain
//   paths on 9x), and on the NT family "Environment" with TEMP and TMP.
// The registered owner is the machine's user; the organisation is empty.

#include "win32/machine_config.h"
#include "win32/machine_layout.h"
#include "win32/registry/registry_store.h"

namespace win32 {

// The user's key under HKEY_USERS on the NT family (a security identifier
// of a local account, the same on every machine).
inline constexpr const char* kNtUserKey = "S-1-5-21-1085031214-1563985344-725345543-1003";

void WriteDefaultRegistry(RegistryStore& store, const MachineConfig& config, const MachineLayout& layout);

}  // namespace win32
