#pragma once
// The shell-link (.LNK) binary format: a 76-byte ShellLinkHeader with the
// shell link CLSID {00021401-0000-0000-C000-000000000046}, an optional
// LinkTargetIDList (skipped when read), a LinkInfo with the target's volume
// and local base path, the StringData (description, relative path, working
// directory, arguments, icon location) and the ExtraData blocks ended by a
// terminal block. All numbers little-endian.
//
// We write ANSI StringData (IsUnicode clear) in the machine's code page, a
// LinkInfo for a target on a local drive and no IDList; we read ANSI and
// Unicode links, with or without IDList and LinkInfo.

#include <cstdint>
#include <optional>
#include <string>

namespace win32 {

// The fields of a link as the shell link object keeps them. Empty strings
// are left out of the file.
struct ShellLinkData {
    std::string path;           // full target path ("C:\Program Files\x.exe")
    std::string relativePath;   // target relative to the link's folder (".\x.exe")
    std::string workingDirectory;
    std::string arguments;
    std::string description;
    std::string iconLocation;
    int32_t iconIndex = 0;
    uint16_t hotkey = 0;        // virtual key in the low byte, HOTKEYF_ flags in the high byte
    int32_t showCommand = 1;    // SW_SHOWNORMAL, SW_SHOWMAXIMIZED or SW_SHOWMINNOACTIVE
    uint32_t fileAttributes = 0;  // of the target when the link was made
    uint32_t fileSize = 0;

    bool operator==(const ShellLinkData&) const = default;
};

// LinkFlags of the header.
enum : uint32_t {
    SLDF_HAS_ID_LIST = 0x00000001,
    SLDF_HAS_LINK_INFO = 0x00000002,
    SLDF_HAS_NAME = 0x00000004,
    SLDF_HAS_RELPATH = 0x00000008,
    SLDF_HAS_WORKINGDIR = 0x00000010,
    SLDF_HAS_ARGS = 0x00000020,
    SLDF_HAS_ICONLOCATION = 0x00000040,
    SLDF_UNICODE = 0x00000080,
    SLDF_FORCE_NO_LINKINFO = 0x00000100,
};

// The bytes of a .LNK file for `link`. Strings longer than the format's
// 65535 characters must be refused before (the shell link object does).
std::string EncodeShellLink(const ShellLinkData& link);

// The link in `bytes`; nullopt when they are not a shell link (wrong header
// size or CLSID) or a part runs past the end.
std::optional<ShellLinkData> DecodeShellLink(const std::string& bytes);

}  // namespace win32
