#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/errors.h"
#include "win32/file_times.h"
#include "win32/files.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

TEST(FileTimes, SystemTimeRoundTripsAndKnownValues) {
    const SYSTEMTIME epoch{1601, 1, 1, 1, 0, 0, 0, 0};
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&epoch, &time));
    EXPECT_EQ(FileTimeValue(time), 0u);
    const SYSTEMTIME unix{1970, 1, 4, 1, 0, 0, 0, 0};
    ASSERT_TRUE(SystemTimeToFileTime(&unix, &time));
    EXPECT_EQ(FileTimeValue(time), 116444736000000000ull);
    const SYSTEMTIME leap{2000, 2, 2, 29, 13, 45, 30, 250};
    ASSERT_TRUE(SystemTimeToFileTime(&leap, &time));
    SYSTEMTIME back;
    ASSERT_TRUE(FileTimeToSystemTime(&time, &back));
    EXPECT_EQ(back, leap);  // 29 February 2000 was a Tuesday

    for (SYSTEMTIME bad : {SYSTEMTIME{1999, 2, 0, 29, 0, 0, 0, 0}, SYSTEMTIME{1600, 1, 0, 1, 0, 0, 0, 0},
                           SYSTEMTIME{2000, 13, 0, 1, 0, 0, 0, 0}, SYSTEMTIME{2000, 1, 0, 1, 24, 0, 0, 0}}) {
        EXPECT_FALSE(SystemTimeToFileTime(&bad, &time));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    }
}

TEST(FileTimes, DosDatesHoldTwoSecondSteps) {
    const SYSTEMTIME when{2003, 7, 0, 15, 18, 30, 59, 0};
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&when, &time));
    uint16_t date = 0, clock = 0;
    ASSERT_TRUE(FileTimeToDosDateTime(&time, &date, &clock));
    EXPECT_EQ(date, ((2003 - 1980) << 9) | (7 << 5) | 15);
    EXPECT_EQ(clock, (18 << 11) | (30 << 5) | 29);
    FILETIME back;
    ASSERT_TRUE(DosDateTimeToFileTime(date, clock, &back));
    SYSTEMTIME s;
    FileTimeToSystemTime(&back, &s);
    EXPECT_EQ(s.wSecond, 58);
    const SYSTEMTIME early{1979, 12, 0, 31, 0, 0, 0, 0};
    SystemTimeToFileTime(&early, &time);
    EXPECT_FALSE(FileTimeToDosDateTime(&time, &date, &clock));
}

TEST(FileTimes, LocalTimeUsesTheCurrentBias) {
    FILETIME utc = MakeFileTime(130000000000000000ull), local, back;
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(back, utc);
}

TEST(FileTimes, OfOpenFiles) {
    FreshMachine machine;
    MakeFile("C:\\dated.txt", "x");
    const SYSTEMTIME when{2001, 9, 0, 9, 10, 11, 12, 0};
    FILETIME stamp;
    SystemTimeToFileTime(&when, &stamp);
    const HANDLE reader = Open("C:\\dated.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    EXPECT_FALSE(SetFileTime(reader, nullptr, nullptr, &stamp));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    const HANDLE writer = Open("C:\\dated.txt", GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_TRUE(SetFileTime(writer, nullptr, nullptr, &stamp));
    FILETIME read;
    ASSERT_TRUE(GetFileTime(reader, nullptr, nullptr, &read));
    EXPECT_EQ(read, stamp);
    CloseHandle(writer);
    CloseHandle(reader);
}
