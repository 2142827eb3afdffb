#pragma once
// The shell's special folders (CSIDL values) of the machine's Windows
// version, as SHGetSpecialFolderLocation, SHGetPathFromIDList and
// SHGetSpecialFolderPath give them. The paths are those of the machine's
// standard layout (machine_layout.h), which the registry's Shell Folders
// values also hold.
//
// - NT family: the user's folders lie in the user's profile, the common
//   (CSIDL_COMMON_*) ones in the All Users profile.
// - 9x family: one profile inside the Windows folder; the common folders do
//   not exist and fail with E_INVALIDARG, as there.
// - CSIDL_COMMON_APPDATA, CSIDL_WINDOWS, CSIDL_SYSTEM, CSIDL_PROGRAM_FILES,
//   CSIDL_PROFILE and CSIDL_PROGRAM_FILES_COMMON exist on Windows 2000, XP,
//   ME and later only.
// - The alternate startup folders are never defined (E_FAIL).
// - Virtual folders (control panel, printers, recycle bin, my computer,
//   network) have an item list but no path: SHGetPathFromIDList fails.
// An item list is freed with CoTaskMemFree.

#include <cstddef>
#include <cstdint>
#include <string>

#include "win32/shell/hresult.h"

namespace win32 {

enum : int32_t {
    CSIDL_DESKTOP = 0x00,
    CSIDL_INTERNET = 0x01,
    CSIDL_PROGRAMS = 0x02,
    CSIDL_CONTROLS = 0x03,
    CSIDL_PRINTERS = 0x04,
    CSIDL_PERSONAL = 0x05,
    CSIDL_FAVORITES = 0x06,
    CSIDL_STARTUP = 0x07,
    CSIDL_RECENT = 0x08,
    CSIDL_SENDTO = 0x09,
    CSIDL_BITBUCKET = 0x0A,
    CSIDL_STARTMENU = 0x0B,
    CSIDL_DESKTOPDIRECTORY = 0x10,
    CSIDL_DRIVES = 0x11,
    CSIDL_NETWORK = 0x12,
    CSIDL_NETHOOD = 0x13,
    CSIDL_FONTS = 0x14,
    CSIDL_TEMPLATES = 0x15,
    CSIDL_COMMON_STARTMENU = 0x16,
    CSIDL_COMMON_PROGRAMS = 0x17,
    CSIDL_COMMON_STARTUP = 0x18,
    CSIDL_COMMON_DESKTOPDIRECTORY = 0x19,
    CSIDL_APPDATA = 0x1A,
    CSIDL_ALTSTARTUP = 0x1D,
    CSIDL_COMMON_ALTSTARTUP = 0x1E,
    CSIDL_COMMON_FAVORITES = 0x1F,
    CSIDL_COOKIES = 0x21,
    CSIDL_COMMON_APPDATA = 0x23,
    CSIDL_WINDOWS = 0x24,
    CSIDL_SYSTEM = 0x25,
    CSIDL_PROGRAM_FILES = 0x26,
    CSIDL_PROFILE = 0x28,
    CSIDL_PROGRAM_FILES_COMMON = 0x2B,
    CSIDL_FLAG_CREATE = 0x8000,
};

// The item list of a special folder: the folder's path, empty for a
// virtual folder.
struct ITEMIDLIST {
    int32_t csidl;
    char path[260];
};

// The COM task allocator.
void* CoTaskMemAlloc(size_t size);
void CoTaskMemFree(void* block);

// `hwndOwner` is not used. E_INVALIDARG for a folder the version lacks or
// an unknown CSIDL, E_FAIL for an undefined one, E_POINTER for a null
// `ppidl`.
HRESULT SHGetSpecialFolderLocation(void* hwndOwner, int32_t csidl, ITEMIDLIST** ppidl);
// The path of an item list; false for a virtual folder or a null list.
bool SHGetPathFromIDList(const ITEMIDLIST* pidl, std::string& path);
// The path of a special folder; with `create` (or CSIDL_FLAG_CREATE) a
// missing folder is made with its parents.
bool SHGetSpecialFolderPath(void* hwndOwner, std::string& path, int32_t csidl, bool create);

}  // namespace win32
