#include "vcl/files/inout_error.h"

#include "win32/errors.h"

void RaiseInOutError(uint32_t code) {
    throw EInOutError(static_cast<int>(code), win32::InOutErrorMessage(code));
}

void RaiseLastInOutError() { RaiseInOutError(win32::GetLastError()); }
