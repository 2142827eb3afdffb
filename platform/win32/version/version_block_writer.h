#pragma once
// Writer of a version block (VS_VERSIONINFO, 32-bit layout) in the shape the
// resource compilers write: the fixed part, a "StringFileInfo" with one
// string table per language and code page, and a "VarFileInfo" with the
// translation list. Text values are stored with their terminating NUL.
// Our build uses it to give our own programs their version block.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "win32/version/fixed_file_info.h"
#include "win32/version/version_block.h"

namespace win32 {

struct VersionStringTable {
    std::u16string name;  // language and code page as eight hex digits, u"040904E4"
    std::vector<std::pair<std::u16string, std::u16string>> strings;  // key, value
};

struct VersionBlockContents {
    VS_FIXEDFILEINFO fixed{VS_FFI_SIGNATURE, VS_FFI_STRUCVERSION, 0, 0, 0, 0,
                           VS_FFI_FILEFLAGSMASK, 0, VOS_NT_WINDOWS32, VFT_APP, VFT2_UNKNOWN, 0, 0};
    std::vector<VersionStringTable> stringTables;  // no "StringFileInfo" when empty
    std::vector<VersionTranslation> translations;  // no "VarFileInfo" when empty
};

// The block's bytes; throws std::length_error when it would not fit the
// 16-bit lengths of the format.
std::string BuildVersionBlock(const VersionBlockContents& contents);

}  // namespace win32
