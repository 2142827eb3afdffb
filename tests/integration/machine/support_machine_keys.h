#pragma once
// Writes the registry keys of the restart path through the Reg* calls (in
// a unit of its own: the registry's and the file calls' headers cannot be
// included together, both declaring DELETE).

#include <string>

namespace testsupport {

// Creates HKEY_LOCAL_MACHINE\<subKey> (volatile when asked) and sets its
// text value `name`; fails the running test when the registry refuses.
void SetMachineKeyText(const std::string& subKey, bool isVolatile, const std::string& name, const std::string& text);

}  // namespace testsupport
