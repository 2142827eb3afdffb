#pragma once
// File times: FILETIME (100-nanosecond intervals since 1 January 1601
// UTC), SYSTEMTIME, local time and MS-DOS date and time, and the times of
// open files. Local time follows the host's time zone with its bias of the
// present moment, as Windows converts file times.

#include <time.h>

#include <cstdint>

#include "win32/handles.h"

namespace win32 {

struct FILETIME {
    uint32_t dwLowDateTime = 0;
    uint32_t dwHighDateTime = 0;
    bool operator==(const FILETIME&) const = default;
};

struct SYSTEMTIME {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;  // 1-12
    uint16_t wDayOfWeek = 0;  // 0 = Sunday
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
    bool operator==(const SYSTEMTIME&) const = default;
};

uint64_t FileTimeValue(const FILETIME& time);
FILETIME MakeFileTime(uint64_t value);

bool FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);
// ERROR_INVALID_PARAMETER for a date or time out of range (years
// 1601-30827); the day of week is ignored.
bool SystemTimeToFileTime(const SYSTEMTIME* systemTime, FILETIME* fileTime);
bool FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime);
bool LocalFileTimeToFileTime(const FILETIME* localFileTime, FILETIME* fileTime);
// DOS dates hold 1980-2107 with two-second steps; other years fail with
// ERROR_INVALID_PARAMETER.
bool FileTimeToDosDateTime(const FILETIME* fileTime, uint16_t* fatDate, uint16_t* fatTime);
bool DosDateTimeToFileTime(uint16_t fatDate, uint16_t fatTime, FILETIME* fileTime);

// Times of an open file; a null pointer skips that time. Setting needs a
// handle opened for writing (ERROR_ACCESS_DENIED otherwise); the creation
// time cannot be changed on the host and is left as it is.
bool GetFileTime(HANDLE file, FILETIME* creationTime, FILETIME* lastAccessTime, FILETIME* lastWriteTime);
bool SetFileTime(HANDLE file, const FILETIME* creationTime, const FILETIME* lastAccessTime,
                 const FILETIME* lastWriteTime);

// Host times at the edge.
FILETIME HostTimeToFileTime(const struct timespec& time);
struct timespec FileTimeToHostTime(const FILETIME& time);

// The current time as a FILETIME (GetSystemTimeAsFileTime).
void GetSystemTimeAsFileTime(FILETIME* fileTime);

}  // namespace win32
