#include "win32/host_names.h"

#include "win32/codepage.h"

namespace win32 {

std::string AnsiToHostName(const std::string& ansi) { return AnsiToUtf8(ansi); }

std::string HostNameToAnsi(const std::string& host) { return Utf8ToAnsi(host); }

std::string UpperName(const std::string& ansi) { return CharUpper(ansi); }

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && UpperName(a) == UpperName(b);
}

}  // namespace win32
