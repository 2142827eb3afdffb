#pragma once
// The class library's run-time I/O errors: EInOutError with the error code
// and the short text of the I/O error table ("File not found", "File
// access denied", "Disk full", ...).

#include <cstdint>

#include "vcl/system/exception.h"

// Raises EInOutError for `code`.
[[noreturn]] void RaiseInOutError(uint32_t code);
// Raises EInOutError for the calling thread's last Windows error.
[[noreturn]] void RaiseLastInOutError();
