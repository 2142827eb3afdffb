#pragma once
// FindFirst / FindNext / FindClose of the class library: a search of the
// machine's folders that returns only the entries whose attributes are
// allowed by the search's attribute mask (files without hidden, system or
// folder attributes are always found).

#include <cstdint>
#include <string>

#include "win32/find_files.h"

struct TSearchRec {
    int32_t Time = 0;  // last-write time as a local DOS date and time
    int64_t Size = 0;
    int32_t Attr = 0;
    std::string Name;
    int32_t ExcludeAttr = 0;
    win32::HANDLE FindHandle = win32::INVALID_HANDLE_VALUE;
    win32::WIN32_FIND_DATA FindData;
};

// 0 and the first entry, else the Windows error code (ERROR_FILE_NOT_FOUND,
// ERROR_PATH_NOT_FOUND); the search must be closed with FindClose after a 0.
int32_t FindFirst(const std::string& path, int32_t attr, TSearchRec& f);
// 0 and the next entry, else ERROR_NO_MORE_FILES.
int32_t FindNext(TSearchRec& f);
void FindClose(TSearchRec& f);
