#include "support/routines_FileSystem.h"

#include <cmath>

#include "win32/file_times.h"
#include "win32/files.h"

namespace {

// Closes the handle on every way out.
class OpenFile {
public:
    OpenFile(const std::string& fileName, uint32_t access)
        : handle_(win32::CreateFile(fileName, access, win32::FILE_SHARE_READ | win32::FILE_SHARE_WRITE, nullptr,
                                    win32::OPEN_EXISTING, 0, nullptr)) {}
    ~OpenFile() {
        if (ok()) win32::CloseHandle(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool ok() const { return handle_ != win32::INVALID_HANDLE_VALUE; }
    win32::HANDLE handle() const { return handle_; }

private:
    win32::HANDLE handle_;
};

}  // namespace

std::optional<TDateTime> ReadFileDate(const std::string& fileName) {
    OpenFile file(fileName, win32::GENERIC_READ);
    win32::FILETIME written, local;
    win32::SYSTEMTIME t;
    if (!file.ok() || !win32::GetFileTime(file.handle(), nullptr, nullptr, &written) ||
        !win32::FileTimeToLocalFileTime(&written, &local) || !win32::FileTimeToSystemTime(&local, &t))
        return std::nullopt;
    TDateTime date, time;
    if (!TryEncodeDate(t.wYear, t.wMonth, t.wDay, date) ||
        !TryEncodeTime(t.wHour, t.wMinute, t.wSecond & ~1, 0, time))
        return std::nullopt;
    return ComposeDateTime(date, time);
}

bool WriteFileDate(const std::string& fileName, TDateTime date) {
    if (!std::isfinite(date)) return false;
    win32::SYSTEMTIME t;
    DecodeDate(date, t.wYear, t.wMonth, t.wDay);
    DecodeTime(date, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    if (t.wYear == 0) return false;  // outside years 1-9999
    win32::FILETIME local, written;
    if (!win32::SystemTimeToFileTime(&t, &local) || !win32::LocalFileTimeToFileTime(&local, &written))
        return false;
    OpenFile file(fileName, win32::GENERIC_WRITE);
    return file.ok() && win32::SetFileTime(file.handle(), nullptr, nullptr, &written);
}
