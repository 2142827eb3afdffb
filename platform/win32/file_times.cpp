#include "win32/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <ctime>

#include "win32/errors.h"
#include "win32/host_errors.h"
#include "win32/open_file.h"
#include "win32/share_locks.h"

namespace win32 {

namespace {
constexpr uint64_t kPerSecond = 10000000;
constexpr int64_t kUnixEpochSeconds = 11644473600;  // 1601-01-01 to 1970-01-01
constexpr uint64_t kMaxFileTime = 0x7FFFFFFFFFFFFFFFull;

using Days = std::chrono::sys_days;

int64_t DaysFrom1601(int year, unsigned month, unsigned day) {
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    return (Days(date) - Days(std::chrono::year{1601} / 1 / 1)).count();
}

// The host's bias now: local minus UTC, in seconds.
int64_t LocalBiasSeconds() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_gmtoff;
}

}  // namespace

FILETIME HostTimeToFileTime(const struct timespec& t) {
    return MakeFileTime(static_cast<uint64_t>(t.tv_sec + kUnixEpochSeconds) * kPerSecond +
                        static_cast<uint64_t>(t.tv_nsec) / 100);
}

struct timespec FileTimeToHostTime(const FILETIME& time) {
    const uint64_t value = FileTimeValue(time);
    struct timespec t {};
    t.tv_sec = static_cast<time_t>(static_cast<int64_t>(value / kPerSecond) - kUnixEpochSeconds);
    t.tv_nsec = static_cast<long>(value % kPerSecond) * 100;
    return t;
}

namespace {
bool Invalid() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}
}  // namespace

uint64_t FileTimeValue(const FILETIME& time) { return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime; }
FILETIME MakeFileTime(uint64_t value) {
    return FILETIME{static_cast<uint32_t>(value), static_cast<uint32_t>(value >> 32)};
}

bool FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime) {
    if (!fileTime || !systemTime) return Invalid();
    const uint64_t value = FileTimeValue(*fileTime);
    if (value > kMaxFileTime) return Invalid();
    const uint64_t totalSeconds = value / kPerSecond;
    const auto days = static_cast<int64_t>(totalSeconds / 86400);
    const uint64_t seconds = totalSeconds % 86400;
    const Days day = Days(std::chrono::year{1601} / 1 / 1) + std::chrono::days{days};
    const std::chrono::year_month_day date{day};
    systemTime->wYear = static_cast<uint16_t>(static_cast<int>(date.year()));
    systemTime->wMonth = static_cast<uint16_t>(static_cast<unsigned>(date.month()));
    systemTime->wDay = static_cast<uint16_t>(static_cast<unsigned>(date.day()));
    systemTime->wDayOfWeek = static_cast<uint16_t>(std::chrono::weekday{day}.c_encoding());
    systemTime->wHour = static_cast<uint16_t>(seconds / 3600);
    systemTime->wMinute = static_cast<uint16_t>(seconds / 60 % 60);
    systemTime->wSecond = static_cast<uint16_t>(seconds % 60);
    systemTime->wMilliseconds = static_cast<uint16_t>(value % kPerSecond / 10000);
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool SystemTimeToFileTime(const SYSTEMTIME* s, FILETIME* fileTime) {
    if (!s || !fileTime) return Invalid();
    if (s->wYear < 1601 || s->wYear > 30827 || s->wMonth < 1 || s->wMonth > 12 || s->wDay < 1 || s->wHour > 23 ||
        s->wMinute > 59 || s->wSecond > 59 || s->wMilliseconds > 999)
        return Invalid();
    const std::chrono::year_month_day date{std::chrono::year{s->wYear}, std::chrono::month{s->wMonth},
                                           std::chrono::day{s->wDay}};
    if (!date.ok()) return Invalid();
    const uint64_t seconds = static_cast<uint64_t>(DaysFrom1601(s->wYear, s->wMonth, s->wDay)) * 86400 +
                             uint64_t{s->wHour} * 3600 + uint64_t{s->wMinute} * 60 + s->wSecond;
    *fileTime = MakeFileTime(seconds * kPerSecond + uint64_t{s->wMilliseconds} * 10000);
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime) {
    if (!fileTime || !localFileTime) return Invalid();
    const int64_t value = static_cast<int64_t>(FileTimeValue(*fileTime)) + LocalBiasSeconds() * int64_t{kPerSecond};
    if (value < 0) return Invalid();
    *localFileTime = MakeFileTime(static_cast<uint64_t>(value));
    return true;
}

bool LocalFileTimeToFileTime(const FILETIME* localFileTime, FILETIME* fileTime) {
    if (!fileTime || !localFileTime) return Invalid();
    const int64_t value = static_cast<int64_t>(FileTimeValue(*localFileTime)) - LocalBiasSeconds() * int64_t{kPerSecond};
    if (value < 0) return Invalid();
    *fileTime = MakeFileTime(static_cast<uint64_t>(value));
    return true;
}

bool FileTimeToDosDateTime(const FILETIME* fileTime, uint16_t* fatDate, uint16_t* fatTime) {
    SYSTEMTIME s;
    if (!fatDate || !fatTime || !FileTimeToSystemTime(fileTime, &s)) return Invalid();
    if (s.wYear < 1980 || s.wYear > 2107) return Invalid();
    *fatDate = static_cast<uint16_t>(((s.wYear - 1980) << 9) | (s.wMonth << 5) | s.wDay);
    *fatTime = static_cast<uint16_t>((s.wHour << 11) | (s.wMinute << 5) | (s.wSecond / 2));
    return true;
}

bool DosDateTimeToFileTime(uint16_t fatDate, uint16_t fatTime, FILETIME* fileTime) {
    SYSTEMTIME s;
    s.wYear = static_cast<uint16_t>(1980 + (fatDate >> 9));
    s.wMonth = static_cast<uint16_t>((fatDate >> 5) & 0x0F);
    s.wDay = static_cast<uint16_t>(fatDate & 0x1F);
    s.wHour = static_cast<uint16_t>(fatTime >> 11);
    s.wMinute = static_cast<uint16_t>((fatTime >> 5) & 0x3F);
    s.wSecond = static_cast<uint16_t>((fatTime & 0x1F) * 2);
    return SystemTimeToFileTime(&s, fileTime);
}

bool GetFileTime(HANDLE handle, FILETIME* creationTime, FILETIME* lastAccessTime, FILETIME* lastWriteTime) {
    OpenFile* file = HandleObject<OpenFile>(handle);
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    struct statx info {};
    if (statx(file->fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &info) != 0) return FailFromErrno();
    auto toTimespec = [](const struct statx_timestamp& t) { return timespec{t.tv_sec, static_cast<long>(t.tv_nsec)}; };
    if (creationTime)
        *creationTime = HostTimeToFileTime(toTimespec((info.stx_mask & STATX_BTIME) ? info.stx_btime : info.stx_mtime));
    if (lastAccessTime) *lastAccessTime = HostTimeToFileTime(toTimespec(info.stx_atime));
    if (lastWriteTime) *lastWriteTime = HostTimeToFileTime(toTimespec(info.stx_mtime));
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool SetFileTime(HANDLE handle, const FILETIME*, const FILETIME* lastAccessTime, const FILETIME* lastWriteTime) {
    OpenFile* file = HandleObject<OpenFile>(handle);
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (!(file->rights & kRightWrite)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    struct timespec times[2];
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_nsec = UTIME_OMIT;
    if (lastAccessTime) times[0] = FileTimeToHostTime(*lastAccessTime);
    if (lastWriteTime) times[1] = FileTimeToHostTime(*lastWriteTime);
    if (futimens(file->fd, times) != 0) return FailFromErrno();
    SetLastError(ERROR_SUCCESS);
    return true;
}

void GetSystemTimeAsFileTime(FILETIME* fileTime) {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    *fileTime = HostTimeToFileTime(now);
}

}  // namespace win32
