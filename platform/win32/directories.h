#pragma once
// Folders of the machine: creating and removing them, the current
// directory, full path names and the Windows, system and temporary
// folders of the machine's version (machine_layout.h).

#include <string>

namespace win32 {

// ERROR_ALREADY_EXISTS when the folder (or a file of that name) exists,
// ERROR_PATH_NOT_FOUND when its parent does not, ERROR_ACCESS_DENIED for a
// root, ERROR_FILENAME_EXCED_RANGE when the full path has 248 characters
// or more (no room left for an 8.3 file name below it). Security attributes are
// not supported and must be null.
bool CreateDirectory(const std::string& pathName, void* securityAttributes);
// ERROR_DIR_NOT_EMPTY, ERROR_DIRECTORY for a file, ERROR_SHARING_VIOLATION
// for the current directory, ERROR_FILE_NOT_FOUND when missing.
bool RemoveDirectory(const std::string& pathName);

// The current directory ("C:\WINDOWS", "C:\" for a root).
std::string GetCurrentDirectory();
// ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND when missing, ERROR_DIRECTORY
// for a file.
bool SetCurrentDirectory(const std::string& pathName);

// The full path of `fileName` from the current directory, without looking
// at the disk; a trailing backslash stays. Empty with the last error for a
// bad path.
std::string GetFullPathName(const std::string& fileName);

// Without trailing backslash: "C:\WINDOWS", "C:\WINDOWS\system32".
std::string GetWindowsDirectory();
std::string GetSystemDirectory();
// The user's temporary folder, with a trailing backslash.
std::string GetTempPath();

}  // namespace win32
