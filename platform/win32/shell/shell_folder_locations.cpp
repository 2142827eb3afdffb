#include "win32/shell/shell_folder_locations.h"

#include <cstdlib>
#include <cstring>

#include "win32/attributes.h"
#include "win32/directories.h"
#include "win32/machine.h"
#include "win32/process/batch_file_commands.h"

namespace win32 {

namespace {

enum class Lookup { Path, Virtual, Missing, Undefined };

struct Folder {
    Lookup lookup = Lookup::Missing;
    std::string path;
};

Folder Path(const std::string& path) { return {Lookup::Path, path}; }

// Windows 2000, XP and later, and ME, have the folders of the newer shell.
bool HasNewShellFolders(const WindowsVersion& v) {
    if (IsNTFamily(v)) return v.major >= 5;
    return Is9xFamily(v) && v.major == 4 && v.minor >= 90;
}

Folder FindFolder(int32_t csidl) {
    const Machine& machine = CurrentMachine();
    const WindowsVersion& v = machine.Config().version;
    const MachineLayout l = machine.Layout();
    const bool nt = IsNTFamily(v);
    const bool newShell = HasNewShellFolders(v);
    switch (csidl) {
        case CSIDL_DESKTOP: case CSIDL_DESKTOPDIRECTORY: return Path(l.desktop);
        case CSIDL_PROGRAMS: return Path(l.programs);
        case CSIDL_PERSONAL: return Path(l.personal);
        case CSIDL_FAVORITES: return Path(l.favorites);
        case CSIDL_STARTUP: return Path(l.startup);
        case CSIDL_RECENT: return Path(l.recent);
        case CSIDL_SENDTO: return Path(l.sendTo);
        case CSIDL_STARTMENU: return Path(l.startMenu);
        case CSIDL_NETHOOD: return Path(l.nethood);
        case CSIDL_FONTS: return Path(l.fonts);
        case CSIDL_TEMPLATES: return Path(l.templates);
        case CSIDL_APPDATA: return Path(l.appData);
        case CSIDL_COOKIES: return Path(l.cookies);
        case CSIDL_INTERNET: case CSIDL_CONTROLS: case CSIDL_PRINTERS: case CSIDL_BITBUCKET:
        case CSIDL_DRIVES: case CSIDL_NETWORK:
            return {Lookup::Virtual, {}};
        case CSIDL_ALTSTARTUP: case CSIDL_COMMON_ALTSTARTUP: return {Lookup::Undefined, {}};
        case CSIDL_COMMON_STARTMENU: return nt ? Path(l.commonStartMenu) : Folder{};
        case CSIDL_COMMON_PROGRAMS: return nt ? Path(l.commonPrograms) : Folder{};
        case CSIDL_COMMON_STARTUP: return nt ? Path(l.commonStartup) : Folder{};
        case CSIDL_COMMON_DESKTOPDIRECTORY: return nt ? Path(l.commonDesktop) : Folder{};
        case CSIDL_COMMON_FAVORITES: return nt ? Path(l.commonFavorites) : Folder{};
        case CSIDL_COMMON_APPDATA: return nt && newShell ? Path(l.commonAppData) : Folder{};
        case CSIDL_WINDOWS: return newShell ? Path(l.windows) : Folder{};
        case CSIDL_SYSTEM: return newShell ? Path(l.system) : Folder{};
        case CSIDL_PROGRAM_FILES: return newShell ? Path(l.programFiles) : Folder{};
        case CSIDL_PROFILE: return newShell && nt ? Path(l.profile) : Folder{};
        case CSIDL_PROGRAM_FILES_COMMON: return newShell ? Path(l.commonFiles) : Folder{};
        default: return {};
    }
}

}  // namespace

void* CoTaskMemAlloc(size_t size) { return std::malloc(size); }
void CoTaskMemFree(void* block) { std::free(block); }

HRESULT SHGetSpecialFolderLocation(void* /*hwndOwner*/, int32_t csidl, ITEMIDLIST** ppidl) {
    if (ppidl == nullptr) return E_POINTER;
    *ppidl = nullptr;
    const Folder folder = FindFolder(csidl & ~CSIDL_FLAG_CREATE);
    if (folder.lookup == Lookup::Missing) return E_INVALIDARG;
    if (folder.lookup == Lookup::Undefined) return E_FAIL;
    auto* list = static_cast<ITEMIDLIST*>(CoTaskMemAlloc(sizeof(ITEMIDLIST)));
    if (list == nullptr) return E_OUTOFMEMORY;
    std::memset(list, 0, sizeof *list);
    list->csidl = csidl & ~CSIDL_FLAG_CREATE;
    std::strncpy(list->path, folder.path.c_str(), sizeof list->path - 1);
    *ppidl = list;
    return S_OK;
}

bool SHGetPathFromIDList(const ITEMIDLIST* pidl, std::string& path) {
    path.clear();
    if (pidl == nullptr || pidl->path[0] == '\0') return false;
    path = pidl->path;
    return true;
}

bool SHGetSpecialFolderPath(void* hwndOwner, std::string& path, int32_t csidl, bool create) {
    ITEMIDLIST* list = nullptr;
    path.clear();
    if (FAILED(SHGetSpecialFolderLocation(hwndOwner, csidl, &list))) return false;
    const bool ok = SHGetPathFromIDList(list, path);
    CoTaskMemFree(list);
    if (ok && (create || (csidl & CSIDL_FLAG_CREATE)) && !CreateDirectoryTree(path)) {
        path.clear();
        return false;
    }
    return ok;
}

}  // namespace win32
