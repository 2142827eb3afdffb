#pragma once
// Host (errno) failures as Windows error codes.

#include <cstdint>

namespace win32 {

uint32_t WindowsErrorFromErrno(int error);
// Sets the last error from errno and returns false, for `return Fail...;`.
bool FailFromErrno();

}  // namespace win32
