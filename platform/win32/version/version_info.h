#pragma once
// The version information functions: GetFileVersionInfoSize,
// GetFileVersionInfo and VerQueryValue, in their ANSI ("A") form.
//
//   uint32_t handle;
//   uint32_t size = GetFileVersionInfoSize(name, &handle);
//   std::vector<uint8_t> data(size);
//   GetFileVersionInfo(name, handle, size, data.data());
//   const void* value; uint32_t length;
//   VerQueryValue(data.data(), "\\StringFileInfo\\040904E4\\FileVersion", &value, &length);
//
// The data that GetFileVersionInfo fills is the file's version block
// followed by the ANSI copies of its texts, so that VerQueryValue can hand
// out NUL-terminated ANSI strings that live as long as the data. Nothing is
// cached: every call reads the file again.

#include <cstdint>
#include <string>

#include "win32/version/fixed_file_info.h"

namespace win32 {

// The bytes that GetFileVersionInfo needs for the file's version
// information; 0 when there is none, with the last error set:
// ERROR_FILE_NOT_FOUND (and the other file errors) when the file cannot be
// read, ERROR_BAD_EXE_FORMAT when it is not an image we read,
// ERROR_RESOURCE_DATA_NOT_FOUND when it has no resources,
// ERROR_RESOURCE_TYPE_NOT_FOUND when it has no version resource,
// ERROR_INVALID_DATA when its version block is malformed. `*handle` (when
// given) is set to 0, as Windows does.
uint32_t GetFileVersionInfoSize(const std::string& fileName, uint32_t* handle);

// Fills `data` with the file's version information. `handle` is ignored.
// False with the errors of GetFileVersionInfoSize, with
// ERROR_INVALID_PARAMETER for a null `data`, and with
// ERROR_INSUFFICIENT_BUFFER when `len` is smaller than the size that
// GetFileVersionInfoSize gives (Windows would cut the data, which
// VerQueryValue could then read beyond).
bool GetFileVersionInfo(const std::string& fileName, uint32_t handle, uint32_t len, void* data);

// Looks up a value of data filled by GetFileVersionInfo. `subBlock` is a
// path of keys separated by "\", matched without regard to case:
// - "\" gives the VS_FIXEDFILEINFO, `*len` its size (false when the block
//   has no valid fixed part);
// - "\VarFileInfo\Translation" gives the array of language and code-page
//   word pairs, `*len` in bytes;
// - "\StringFileInfo\040904E4\FileVersion" and the like give the ANSI text,
//   NUL-terminated, `*len` its length in bytes with the NUL (0 for a text
//   node without a value).
// False with ERROR_RESOURCE_TYPE_NOT_FOUND when the value does not exist,
// ERROR_INVALID_PARAMETER for null arguments or data that GetFileVersionInfo
// did not fill.
bool VerQueryValue(const void* block, const std::string& subBlock, const void** buffer, uint32_t* len);

}  // namespace win32
