#pragma once
// Searching folders: FindFirstFile / FindNextFile / FindClose with the
// wildcards "*" and "?", matched without regard to case against the long
// and the short name of each entry, as Windows matches them ("*.*" also
// finds names without extension). Entries come in the order of their
// upper-case names, "." and ".." first in folders other than a root.

#include <cstdint>
#include <string>

#include "win32/file_times.h"
#include "win32/handles.h"

namespace win32 {

struct WIN32_FIND_DATA {
    uint32_t dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    uint32_t nFileSizeHigh = 0;
    uint32_t nFileSizeLow = 0;
    std::string cFileName;
    std::string cAlternateFileName;  // the 8.3 name when it differs, else empty
};

// ERROR_FILE_NOT_FOUND when nothing matches, ERROR_PATH_NOT_FOUND when
// the folder does not exist.
HANDLE FindFirstFile(const std::string& fileName, WIN32_FIND_DATA& findFileData);
// ERROR_NO_MORE_FILES after the last entry.
bool FindNextFile(HANDLE findFile, WIN32_FIND_DATA& findFileData);
bool FindClose(HANDLE findFile);

// Whether `name` matches the wildcard `pattern` (without regard to case).
bool MatchesWildcard(const std::string& pattern, const std::string& name);

}  // namespace win32
