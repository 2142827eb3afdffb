#pragma once
// The show states of a program's main window (ShowWindow's SW_ values), as a
// program's start-up record, the shell's open operation and shell links
// carry them. The machine has no desktop: a show state is passed on to the
// started program and recorded, never acted on.

#include <cstdint>

namespace win32 {

enum : int32_t {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_NORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_MAXIMIZE = 3,
    SW_SHOWNOACTIVATE = 4,
    SW_SHOW = 5,
    SW_MINIMIZE = 6,
    SW_SHOWMINNOACTIVE = 7,
    SW_SHOWNA = 8,
    SW_RESTORE = 9,
    SW_SHOWDEFAULT = 10,
    SW_FORCEMINIMIZE = 11,
};

}  // namespace win32
