#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "win32/attributes.h"
#include "win32/errors.h"
#include "win32/files.h"
#include "win32/floppy.h"

using namespace win32;
using testsupport::FreshMachine;
using testsupport::ReadHostFile;
using testsupport::WriteHostFile;

namespace {
HANDLE Open(const std::string& path, uint32_t access, uint32_t disposition, uint32_t share = 0) {
    return CreateFile(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ReadAll(HANDLE file) {
    std::string bytes(4096, '\0');
    uint32_t read = 0;
    EXPECT_TRUE(ReadFile(file, bytes.data(), static_cast<uint32_t>(bytes.size()), &read, nullptr));
    bytes.resize(read);
    return bytes;
}

bool Write(HANDLE file, const std::string& bytes, uint32_t* written = nullptr) {
    uint32_t done = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<uint32_t>(bytes.size()), &done, nullptr);
    if (written) *written = done;
    return ok;
}
}  // namespace

TEST(Files, CreationDispositions) {
    FreshMachine machine;
    struct Case {
        uint32_t disposition;
        bool existing;
        bool opens;
        uint32_t error;
        const char* contentAfter;  // of an existing file holding "old"
    };
    const Case cases[] = {
        {CREATE_NEW, false, true, ERROR_SUCCESS, ""},
        {CREATE_NEW, true, false, ERROR_FILE_EXISTS, "old"},
        {CREATE_ALWAYS, false, true, ERROR_SUCCESS, ""},
        {CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
        {OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
        {OPEN_EXISTING, true, true, ERROR_SUCCESS, "old"},
        {OPEN_ALWAYS, false, true, ERROR_SUCCESS, ""},
        {OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "old"},
        {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
        {TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "C:\\TEMP" + std::to_string(n++) + ".txt";
        if (c.existing) WriteHostFile(machine.Folder() / "drive_c" / (name.substr(3)), "old");
        const HANDLE file = Open(name, GENERIC_READ | GENERIC_WRITE, c.disposition);
        EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens) << name;
        EXPECT_EQ(GetLastError(), c.error) << name;
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        const auto host = machine.Folder() / "drive_c" / name.substr(3);
        if (c.contentAfter) EXPECT_EQ(ReadHostFile(host), c.contentAfter) << name;
        else EXPECT_FALSE(std::filesystem::exists(host)) << name;
    }
}

TEST(Files, OpenErrors) {
    FreshMachine machine;
    SetLastError(0);
    EXPECT_EQ(Open("C:\\NoSuchDir\\x.txt", GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(Open("C:\\WINDOWS", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Open("C:\\x.txt", GENERIC_READ, 9), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(CloseHandle(reinterpret_cast<HANDLE>(4444)));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Files, ReadWriteSeekAndTruncate) {
    FreshMachine machine;
    const HANDLE file = Open("c:\\windows\\Data.BIN", GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(Write(file, "Hello, world"));
    EXPECT_EQ(GetFileSize(file, nullptr), 12u);
    EXPECT_EQ(SetFilePointer(file, 7, nullptr, FILE_BEGIN), 7u);
    EXPECT_EQ(ReadAll(file), "world");
    EXPECT_EQ(ReadAll(file), "");  // at the end: success with nothing read
    EXPECT_EQ(SetFilePointer(file, -5, nullptr, FILE_END), 7u);
    EXPECT_TRUE(Write(file, "there!"));
    EXPECT_EQ(SetFilePointer(file, -20, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
    EXPECT_EQ(SetFilePointer(file, 5, nullptr, FILE_BEGIN), 5u);
    EXPECT_TRUE(SetEndOfFile(file));
    EXPECT_TRUE(FlushFileBuffers(file));
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_EQ(ReadHostFile(machine.HostPath("C:\\WINDOWS\\Data.BIN")), "Hello");

    const HANDLE reader = Open("C:\\WINDOWS\\DATA.bin", GENERIC_READ, OPEN_EXISTING, FILE_SHARE_READ);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    uint32_t written = 99;
    EXPECT_FALSE(Write(reader, "x", &written));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(written, 0u);
    EXPECT_FALSE(SetEndOfFile(reader));
    CloseHandle(reader);
}

TEST(Files, ReadOnlyFilesRefuseWriting) {
    FreshMachine machine;
    CloseHandle(Open("C:\\locked.txt", GENERIC_WRITE, CREATE_NEW));
    ASSERT_TRUE(SetFileAttributes("C:\\locked.txt", FILE_ATTRIBUTE_READONLY));
    for (uint32_t disposition : {OPEN_EXISTING, CREATE_ALWAYS, OPEN_ALWAYS, TRUNCATE_EXISTING}) {
        EXPECT_EQ(Open("C:\\locked.txt", GENERIC_WRITE, disposition), INVALID_HANDLE_VALUE) << disposition;
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    }
    const HANDLE reader = Open("C:\\locked.txt", GENERIC_READ, OPEN_EXISTING);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    CloseHandle(reader);
}

TEST(Files, FloppyWritesStopAtItsCapacity) {
    FreshMachine machine;
    const HANDLE file = Open("A:\\big.1", GENERIC_WRITE, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string block(100000, 'x');
    uint32_t written = 0;
    int64_t total = 0;
    while (Write(file, block, &written)) total += written;
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    total += written;
    EXPECT_GT(written, 0u);  // the part that fits is written
    EXPECT_EQ(total, kFloppyCapacity);
    EXPECT_FALSE(Write(file, "y", &written));
    EXPECT_EQ(written, 0u);
    CloseHandle(file);
    EXPECT_EQ(std::filesystem::file_size(machine.HostPath("A:\\big.1")), static_cast<uintmax_t>(kFloppyCapacity));

    // A new disk is empty and takes another full load.
    InsertFloppy("DISK2");
    const HANDLE second = Open("A:\\big.2", GENERIC_WRITE, CREATE_NEW);
    EXPECT_TRUE(Write(second, block, &written));
    CloseHandle(second);
}
