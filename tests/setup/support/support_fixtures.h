#pragma once
// Helpers of the support tests: the fixture images copied into the current
// machine, and file dates set through the machine.

#include <string>

#include "vcl/system/datetime.h"

namespace supporttest {

// Copies fixtures/<name> to the Windows path `to` of the current machine
// (creating its folder) and returns `to`.
std::string PlaceFixture(const std::string& name, const std::string& to);
// Writes `bytes` to the Windows path `to` of the current machine.
std::string PlaceFile(const std::string& bytes, const std::string& to);
// Sets the last-write date; fails the test when that is impossible.
void SetDate(const std::string& fileName, TDateTime date);

}  // namespace supporttest
