#pragma once
// The shell link object: what a program reaches through CLSID_ShellLink
// with IShellLinkA (the link's fields) and IPersistFile (saving and loading
// the .LNK file, shell_link_format.h). Every operation returns a COM result
// as the real interfaces do.
//
// Saving fills in what the shell derives from the target: its attributes
// and size when it exists, and its path relative to the link's folder when
// both lie on one drive. Loading reads any shell link, ours or Windows'.

#include <cstdint>
#include <string>

#include "win32/shell/hresult.h"
#include "win32/shell/shell_link_format.h"

namespace win32 {

// Modifier flags in the high byte of a hot key.
enum : uint8_t {
    HOTKEYF_SHIFT = 0x01,
    HOTKEYF_CONTROL = 0x02,
    HOTKEYF_ALT = 0x04,
    HOTKEYF_EXT = 0x08,
};

// The longest text a link field takes: a path below MAX_PATH, the other
// fields up to INFOTIPSIZE characters.
inline constexpr size_t kMaxLinkTextLength = 1024;

class ShellLink {
public:
    // IShellLinkA. Paths are taken as given; a path of MAX_PATH characters
    // or more, or another text above kMaxLinkTextLength, is E_INVALIDARG.
    HRESULT SetPath(const std::string& file);
    HRESULT GetPath(std::string& file) const;
    HRESULT SetArguments(const std::string& args);
    HRESULT GetArguments(std::string& args) const;
    HRESULT SetWorkingDirectory(const std::string& dir);
    HRESULT GetWorkingDirectory(std::string& dir) const;
    HRESULT SetDescription(const std::string& name);
    HRESULT GetDescription(std::string& name) const;
    HRESULT SetIconLocation(const std::string& iconPath, int32_t icon);
    HRESULT GetIconLocation(std::string& iconPath, int32_t& icon) const;
    HRESULT SetHotkey(uint16_t hotkey);
    HRESULT GetHotkey(uint16_t& hotkey) const;
    // SW_SHOWNORMAL, SW_SHOWMAXIMIZED or SW_SHOWMINNOACTIVE; other values
    // are stored as SW_SHOWNORMAL, as the shell does.
    HRESULT SetShowCmd(int32_t showCmd);
    HRESULT GetShowCmd(int32_t& showCmd) const;
    HRESULT SetRelativePath(const std::string& relPath);

    // IPersistFile. `fileName` is a Windows path of the machine. Save
    // writes the file (replacing it) and, with `remember`, makes it the
    // current file; errors come back as HRESULT_FROM_WIN32 of the file
    // error. Load reads a link file: E_FAIL for a file that is not a shell
    // link, HRESULT_FROM_WIN32 of the file error when it cannot be read.
    HRESULT Save(const std::string& fileName, bool remember);
    HRESULT Load(const std::string& fileName, uint32_t mode);
    // S_OK and the file last saved with `remember` or loaded; S_FALSE and
    // an empty name when there is none.
    HRESULT GetCurFile(std::string& fileName) const;
    // S_OK when changed since the last save or load, else S_FALSE.
    HRESULT IsDirty() const;

    const ShellLinkData& Data() const { return data_; }

private:
    HRESULT Store(std::string& field, const std::string& value, size_t limit);

    ShellLinkData data_;
    std::string curFile_;
    bool dirty_ = false;
};

// The path of `target` relative to the folder of `linkFile` (".\x.exe",
// "..\..\Program Files\x.exe"); empty when they lie on different drives or
// either is not a valid path.
std::string RelativeLinkPath(const std::string& linkFile, const std::string& target);

}  // namespace win32
