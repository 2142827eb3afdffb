// The version of a file of hundreds of megabytes is found without holding
// the file in memory: a small image at the start of a large sparse file,
// PE and ELF.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>
#include <vector>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_version.h"
#include "win32/errors.h"
#include "win32/version/version_info.h"

using namespace win32;

namespace {

constexpr uint64_t kLargeFileSize = 200ull << 20;

// Peak resident memory of this process, in bytes.
uint64_t PeakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return uint64_t(usage.ru_maxrss) * 1024;
}

}  // namespace

TEST(LargeFiles, TheVersionIsFoundWithoutReadingTheWholeFile)
{
    testsupport::FreshMachine machine;
    const std::pair<const char*, std::filesystem::path> images[] = {
        {"C:\\big-pe.exe", versiontest::Fixture("driver32.exe")},
        {"C:\\big-elf.exe", "/proc/self/exe"},
    };
    for (const auto& [name, source] : images) {
        SCOPED_TRACE(name);
        const std::filesystem::path host = machine.HostPath(name);
        testsupport::WriteHostFile(host, testsupport::ReadHostFile(source));
        std::filesystem::resize_file(host, kLargeFileSize);  // a hole after the image

        const uint64_t before = PeakMemory();
        const uint32_t size = GetFileVersionInfoSize(name, nullptr);
        ASSERT_NE(size, 0u) << GetLastError();
        std::vector<uint8_t> data(size);
        ASSERT_TRUE(GetFileVersionInfo(name, 0, size, data.data())) << GetLastError();
        const void* value = nullptr;
        uint32_t length = 0;
        EXPECT_TRUE(VerQueryValue(data.data(), "\\", &value, &length));
        EXPECT_EQ(length, sizeof(VS_FIXEDFILEINFO));
        EXPECT_LT(PeakMemory() - before, kLargeFileSize / 20);
    }
}
