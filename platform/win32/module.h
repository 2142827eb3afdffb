#pragma once
// The running program's own file, seen through the machine's drives: a
// program built on the host lies on Z: ("Z:\work\build\Quillery"), one
// installed into the machine's drive C: on C:.

#include <string>

namespace win32 {

// The full Windows path of the running program's file; `module` must be
// null (the program itself).
std::string GetModuleFileName(void* module = nullptr);
// The folder of the running program, without trailing backslash.
std::string GetProgramDirectory();

}  // namespace win32
