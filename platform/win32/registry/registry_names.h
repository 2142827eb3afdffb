#pragma once
// Names inside the registry: key and value names are ANSI bytes of the
// machine's code page that compare without regard to case and keep the case
// they were created with.

#include <string>
#include <string_view>

namespace win32::registry_names {

// The comparison and sort key of a name: its upper case as UTF-8. Two names
// are the same name when their keys are equal, and comparing keys byte by
// byte orders names by the Unicode values of their upper-case characters,
// which is how the NT family lists sub-keys.
std::string FoldName(std::string_view ansi);

}  // namespace win32::registry_names
