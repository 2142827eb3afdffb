#include "vcl/files/search.h"

#include "vcl/files/file_routines.h"
#include "win32/errors.h"
#include "win32/file_times.h"

namespace {
// Skips the entries the mask excludes and fills the record from the first
// one it allows; 0 or the error code.
int32_t FindMatching(TSearchRec& f) {
    while (f.FindData.dwFileAttributes & static_cast<uint32_t>(f.ExcludeAttr)) {
        if (!win32::FindNextFile(f.FindHandle, f.FindData)) return static_cast<int32_t>(win32::GetLastError());
    }
    win32::FILETIME local;
    uint16_t date = 0, time = 0;
    f.Time = win32::FileTimeToLocalFileTime(&f.FindData.ftLastWriteTime, &local) &&
                     win32::FileTimeToDosDateTime(&local, &date, &time)
                 ? static_cast<int32_t>((uint32_t{date} << 16) | time)
                 : 0;
    f.Size = static_cast<int64_t>((uint64_t{f.FindData.nFileSizeHigh} << 32) | f.FindData.nFileSizeLow);
    f.Attr = static_cast<int32_t>(f.FindData.dwFileAttributes);
    f.Name = f.FindData.cFileName;
    return 0;
}
}  // namespace

int32_t FindFirst(const std::string& path, int32_t attr, TSearchRec& f) {
    f.ExcludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    f.FindHandle = win32::FindFirstFile(path, f.FindData);
    if (f.FindHandle == win32::INVALID_HANDLE_VALUE) return static_cast<int32_t>(win32::GetLastError());
    const int32_t result = FindMatching(f);
    if (result != 0) FindClose(f);
    return result;
}

int32_t FindNext(TSearchRec& f) {
    if (!win32::FindNextFile(f.FindHandle, f.FindData)) return static_cast<int32_t>(win32::GetLastError());
    return FindMatching(f);
}

void FindClose(TSearchRec& f) {
    if (f.FindHandle == win32::INVALID_HANDLE_VALUE) return;
    win32::FindClose(f.FindHandle);
    f.FindHandle = win32::INVALID_HANDLE_VALUE;
}
