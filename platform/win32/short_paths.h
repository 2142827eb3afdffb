#pragma once
// The short (8.3) and long forms of existing paths (short_names.h makes
// the names). Both fail with ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND
// for a path that does not exist and return an empty text then.

#include <string>

namespace win32 {

// "C:\Program Files\My App\setup.config" -> "C:\PROGRA~1\MYAPP~1\SETUP~1.CON".
std::string GetShortPathName(const std::string& longPath);
// The long names, with the case they have on disk.
std::string GetLongPathName(const std::string& shortPath);

}  // namespace win32
