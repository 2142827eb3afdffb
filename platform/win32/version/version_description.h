#pragma once
// The text form in which our build describes a program's version block, read
// by the generator that cmake/QuilleryVersion.cmake runs. One statement a
// line; blank lines and lines starting with "#" are skipped:
//
//   file-version 1.0.0.23          four numbers 0-65535 joined by "."
//   product-version 1.0.0.23
//   file-flags 0x0                 numbers are decimal or 0x hexadecimal
//   file-os 0x40004
//   file-type 1
//   file-subtype 0
//   table 040904E4                 starts a string table (eight hex digits)
//   string CompanyName=TARN        a string of the current table (UTF-8;
//                                  malformed bytes read as U+FFFD)
//   translation 0409 04E4          a language and code page, in hex
//
// Unset fixed fields keep the defaults of VersionBlockContents.

#include <string_view>

#include "win32/version/version_block_writer.h"

namespace win32 {

// Throws std::invalid_argument naming the line for anything malformed.
VersionBlockContents ParseVersionDescription(std::string_view text);

}  // namespace win32
