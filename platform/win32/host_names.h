#pragma once
// The edge between the machine's names and the host's: file names are ANSI
// bytes of the machine's code page inside our Windows and UTF-8 on the host.
// Names are also compared without regard to case the way Windows compares
// them (upper-casing in the code page).

#include <string>

namespace win32 {

// ANSI name (in the machine's code page) to the host's UTF-8.
std::string AnsiToHostName(const std::string& ansi);
// Host UTF-8 name to ANSI; characters the code page lacks become "?".
std::string HostNameToAnsi(const std::string& host);
// Upper case of an ANSI name for comparisons without regard to case.
std::string UpperName(const std::string& ansi);
bool SameName(const std::string& a, const std::string& b);

}  // namespace win32
