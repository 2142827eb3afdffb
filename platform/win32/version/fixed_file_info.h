#pragma once
// The fixed part of a version resource (VS_FIXEDFILEINFO) and the values of
// its fields, as the version functions return it for the root block "\".

#include <cstdint>

namespace win32 {

struct VS_FIXEDFILEINFO {
    uint32_t dwSignature;         // VS_FFI_SIGNATURE
    uint32_t dwStrucVersion;      // VS_FFI_STRUCVERSION
    uint32_t dwFileVersionMS;     // file version: high word major, low word minor
    uint32_t dwFileVersionLS;     // high word release, low word build
    uint32_t dwProductVersionMS;
    uint32_t dwProductVersionLS;
    uint32_t dwFileFlagsMask;     // which bits of dwFileFlags are valid
    uint32_t dwFileFlags;         // VS_FF_*
    uint32_t dwFileOS;            // VOS_*
    uint32_t dwFileType;          // VFT_*
    uint32_t dwFileSubtype;       // VFT2_* for drivers and fonts
    uint32_t dwFileDateMS;
    uint32_t dwFileDateLS;
};
static_assert(sizeof(VS_FIXEDFILEINFO) == 52, "the fixed part is 13 double words, as stored");

enum : uint32_t {
    VS_FFI_SIGNATURE = 0xFEEF04BD,
    VS_FFI_STRUCVERSION = 0x00010000,
    VS_FFI_FILEFLAGSMASK = 0x0000003F,
};

enum : uint32_t {
    VS_FF_DEBUG = 0x01,
    VS_FF_PRERELEASE = 0x02,
    VS_FF_PATCHED = 0x04,
    VS_FF_PRIVATEBUILD = 0x08,
    VS_FF_INFOINFERRED = 0x10,
    VS_FF_SPECIALBUILD = 0x20,
};

enum : uint32_t {
    VOS_UNKNOWN = 0x00000000,
    VOS_DOS = 0x00010000,
    VOS_OS216 = 0x00020000,
    VOS_OS232 = 0x00030000,
    VOS_NT = 0x00040000,
    VOS__WINDOWS16 = 0x00000001,
    VOS__PM16 = 0x00000002,
    VOS__PM32 = 0x00000003,
    VOS__WINDOWS32 = 0x00000004,
    VOS_DOS_WINDOWS16 = 0x00010001,
    VOS_DOS_WINDOWS32 = 0x00010004,
    VOS_OS216_PM16 = 0x00020002,
    VOS_OS232_PM32 = 0x00030003,
    VOS_NT_WINDOWS32 = 0x00040004,
};

enum : uint32_t {
    VFT_UNKNOWN = 0,
    VFT_APP = 1,
    VFT_DLL = 2,
    VFT_DRV = 3,
    VFT_FONT = 4,
    VFT_VXD = 5,
    VFT_STATIC_LIB = 7,
};

// Subtypes of VFT_DRV.
enum : uint32_t {
    VFT2_UNKNOWN = 0,
    VFT2_DRV_PRINTER = 1,
    VFT2_DRV_KEYBOARD = 2,
    VFT2_DRV_LANGUAGE = 3,
    VFT2_DRV_DISPLAY = 4,
    VFT2_DRV_MOUSE = 5,
    VFT2_DRV_NETWORK = 6,
    VFT2_DRV_SYSTEM = 7,
    VFT2_DRV_INSTALLABLE = 8,
    VFT2_DRV_SOUND = 9,
    VFT2_DRV_COMM = 10,
    VFT2_DRV_VERSIONED_PRINTER = 12,
};

// Subtypes of VFT_FONT.
enum : uint32_t {
    VFT2_FONT_RASTER = 1,
    VFT2_FONT_VECTOR = 2,
    VFT2_FONT_TRUETYPE = 3,
};

}  // namespace win32
