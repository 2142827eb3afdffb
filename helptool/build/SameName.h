#pragma once
// Names, fonts and colours compared the way the help build compares them:
// ignoring case with the system's locale-aware comparison. Equal bytes are
// equal under any comparison, so they are taken at once: that is the usual
// case (names the window wrote), and the locale-aware comparison is costly.

#include <string_view>

#include "vcl/system/ansistrings.h"

inline bool SameName(std::string_view a, std::string_view b) { return a == b || AnsiSameText(a, b); }
