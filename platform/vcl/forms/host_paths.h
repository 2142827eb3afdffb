#pragma once
// Host paths at the edge of the class library (file dialogs, the
// program's own file): the programs see Windows paths, the host has its own
// ("/home/ann/x.qpx" is "Z:\home\ann\x.qpx").

#include <string>

// They see the current machine's drives (win32/paths.h).

// Host path (UTF-8) to the Windows path (ANSI) the programs see.
std::string WindowsPathOfHost(const std::string& hostPath);
// A Windows path to its host path; empty for a bad path or a missing drive.
std::string HostPathOfWindows(const std::string& windowsPath);
