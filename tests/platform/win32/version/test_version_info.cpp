// The version functions on files of the machine: the size, the data and
// the queries the setup program and the about box make, and the errors
// Windows reports.

#include <gtest/gtest.h>

#include <cstring>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_version.h"
#include "win32/errors.h"
#include "win32/files.h"
#include "win32/handles.h"
#include "win32/paths.h"
#include "win32/version/version_info.h"

using namespace win32;
using versiontest::Fixture;

namespace {

class VersionInfo : public testing::Test {
protected:
    // The Windows path of a fixture, through drive Z:.
    static std::string FixturePath(const std::string& name) { return HostToWindowsPath(Fixture(name)); }

    // The whole version information of a file; fails the test when missing.
    static std::vector<uint8_t> Load(const std::string& path)
    {
        uint32_t handle = 1;
        const uint32_t size = GetFileVersionInfoSize(path, &handle);
        EXPECT_NE(size, 0u) << path << ": error " << GetLastError();
        EXPECT_EQ(handle, 0u);
        std::vector<uint8_t> data(size);
        EXPECT_TRUE(GetFileVersionInfo(path, handle, size, data.data())) << GetLastError();
        return data;
    }

    testsupport::FreshMachine machine_;
};

}  // namespace

TEST_F(VersionInfo, AnswersTheQueriesOfAProgram)
{
    const std::vector<uint8_t> data = Load(FixturePath("quill64.exe"));
    struct Case {
        const char* path;
        std::string text;
    };
    const Case texts[] = {
        {"\\StringFileInfo\\040904E4\\CompanyName", "TARN"},
        {"\\StringFileInfo\\040904E4\\FileVersion", "1.0.0.23"},
        {"\\StringFileInfo\\040904E4\\LegalCopyright", "Copyright \xA9 2001 TARN"},
        {"\\StringFileInfo\\040904E4\\LegalTradeMarks", "Quillery\x99"},  // the trade mark sign of 1252
        {"\\StringFileInfo\\040904E4\\Comments", "Caf\xE9 au lait"},
        {"\\StringFileInfo\\040904E4\\PrivateBuild", ""},
        {"\\stringfileinfo\\080904e4\\companyname", "TARN Ltd"},
        {"StringFileInfo\\040704E4\\FileDescription", "Hilfe-Autorenwerkzeug f\xFCr Windows"},
    };
    for (const Case& c : texts) {
        const void* value = nullptr;
        uint32_t length = 0;
        ASSERT_TRUE(VerQueryValue(data.data(), c.path, &value, &length)) << c.path;
        EXPECT_EQ(std::string(static_cast<const char*>(value)), c.text) << c.path;
        EXPECT_EQ(length, c.text.size() + 1) << c.path;
    }

    const void* value = nullptr;
    uint32_t length = 0;
    ASSERT_TRUE(VerQueryValue(data.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 23u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00020000u);
    EXPECT_EQ(fixed.dwFileOS, VOS_NT_WINDOWS32);

    ASSERT_TRUE(VerQueryValue(data.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 12u);
    const uint8_t* words = static_cast<const uint8_t*>(value);
    EXPECT_EQ(words[0] | words[1] << 8, 0x0409);
    EXPECT_EQ(words[2] | words[3] << 8, 1252);
    EXPECT_EQ(words[8] | words[9] << 8, 0x0407);

    ASSERT_TRUE(VerQueryValue(data.data(), "\\StringFileInfo", &value, &length));
    EXPECT_EQ(length, 0u);
}

TEST_F(VersionInfo, MissingValuesAndBadArguments)
{
    const std::vector<uint8_t> data = Load(FixturePath("quill64.exe"));
    const void* value = nullptr;
    uint32_t length = 0;
    for (const char* path : {"\\StringFileInfo\\040904E4\\SpecialBuild", "\\StringFileInfo\\040904B0\\CompanyName",
                             "\\VarFileInfo\\Translations"}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(VerQueryValue(data.data(), path, &value, &length)) << path;
        EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND) << path;
    }
    EXPECT_FALSE(VerQueryValue(nullptr, "\\", &value, &length));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(VerQueryValue(data.data(), "\\", nullptr, &length));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

    // The bare block, without the ANSI texts that GetFileVersionInfo adds.
    std::vector<uint8_t> bare(data.begin(), data.begin() + (data[0] | data[1] << 8));
    bare.resize(data.size(), 0);
    EXPECT_FALSE(VerQueryValue(bare.data(), "\\StringFileInfo\\040904E4\\CompanyName", &value, &length));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(VersionInfo, FilesWithoutVersionInformation)
{
    testsupport::WriteHostFile(machine_.HostPath("C:\\readme.txt"), "Not a program.\r\n");
    const std::pair<std::string, uint32_t> cases[] = {
        {"C:\\missing.exe", ERROR_FILE_NOT_FOUND},
        {"C:\\No Such Folder\\missing.exe", ERROR_PATH_NOT_FOUND},
        {"C:\\readme.txt", ERROR_BAD_EXE_FORMAT},
        {FixturePath("noversion.exe"), ERROR_RESOURCE_TYPE_NOT_FOUND},
        {FixturePath("nores.exe"), ERROR_RESOURCE_DATA_NOT_FOUND},
        {FixturePath("quill64.rc"), ERROR_BAD_EXE_FORMAT},
    };
    for (const auto& [path, error] : cases) {
        uint32_t handle = 1;
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GetFileVersionInfoSize(path, &handle), 0u) << path;
        EXPECT_EQ(GetLastError(), error) << path;
        EXPECT_EQ(handle, 0u) << path;
        std::vector<uint8_t> data(4096, 0xEE);
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(GetFileVersionInfo(path, 0, uint32_t(data.size()), data.data())) << path;
        EXPECT_EQ(GetLastError(), error) << path;
    }
}

TEST_F(VersionInfo, ReadsFilesOfTheMachineAsItsFileCallsAllow)
{
    testsupport::WriteHostFile(machine_.HostPath("C:\\Program Files\\Quill.exe"),
                               testsupport::ReadHostFile(Fixture("driver32.exe")));
    // Names are resolved without regard to case.
    EXPECT_NE(GetFileVersionInfoSize("c:\\program files\\QUILL.EXE", nullptr), 0u);

    // A file held open without sharing cannot be read.
    const HANDLE held = CreateFile("C:\\Program Files\\Quill.exe", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetFileVersionInfoSize("C:\\Program Files\\Quill.exe", nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    CloseHandle(held);
}

TEST_F(VersionInfo, ABufferTooSmallIsRefusedAndLeftAlone)
{
    const std::string path = FixturePath("driver32.exe");
    const uint32_t size = GetFileVersionInfoSize(path, nullptr);
    ASSERT_NE(size, 0u);
    std::vector<uint8_t> data(size, 0xEE);
    EXPECT_FALSE(GetFileVersionInfo(path, 0, size - 1, data.data()));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(data, std::vector<uint8_t>(size, 0xEE));
    EXPECT_FALSE(GetFileVersionInfo(path, 0, size, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}
