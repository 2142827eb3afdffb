#pragma once
// The standard access rights that every kind of Windows object shares
// (files, registry keys, processes). Plain constants rather than an
// enumeration, so they combine with the rights of each kind of object.

#include <cstdint>

namespace win32 {

inline constexpr uint32_t DELETE = 0x00010000;
inline constexpr uint32_t READ_CONTROL = 0x00020000;
inline constexpr uint32_t WRITE_DAC = 0x00040000;
inline constexpr uint32_t WRITE_OWNER = 0x00080000;
inline constexpr uint32_t SYNCHRONIZE = 0x00100000;
inline constexpr uint32_t STANDARD_RIGHTS_REQUIRED = 0x000F0000;
inline constexpr uint32_t STANDARD_RIGHTS_READ = READ_CONTROL;
inline constexpr uint32_t STANDARD_RIGHTS_WRITE = READ_CONTROL;
inline constexpr uint32_t STANDARD_RIGHTS_EXECUTE = READ_CONTROL;
inline constexpr uint32_t STANDARD_RIGHTS_ALL = 0x001F0000;

}  // namespace win32
