#pragma once
// Small helpers of the machine tests: making and opening files by Windows
// path.

#include <string>

#include <cstdint>

#include "win32/handles.h"

namespace machinetest {

// Creates (or replaces) a file with `bytes`; fails the test when it cannot.
void MakeFile(const std::string& path, const std::string& bytes = "");
// CreateFile with no attributes, security or template.
win32::HANDLE Open(const std::string& path, uint32_t access, uint32_t share, uint32_t disposition);
std::string Content(const std::string& path);
// CreateDirectory for every missing folder of `path`.
bool CreateDirectoryForTest(const std::string& path);

}  // namespace machinetest
