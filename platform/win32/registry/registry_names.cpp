#include "win32/registry/registry_names.h"

#include "win32/codepage.h"

namespace win32::registry_names {

std::string FoldName(std::string_view ansi) { return AnsiToUtf8(CharUpper(std::string(ansi))); }

}  // namespace win32::registry_names
