#include "support_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/routines_FileSystem.h"
#include "support/temp_dir.h"
#include "win32/paths.h"

namespace supporttest {

namespace {
std::filesystem::path HostOf(const std::string& windowsPath) {
    std::optional<std::filesystem::path> host = win32::WindowsToHostPath(windowsPath);
    if (!host) throw std::runtime_error("no host path for " + windowsPath);
    return *host;
}
}  // namespace

std::string PlaceFixture(const std::string& name, const std::string& to) {
    return PlaceFile(testsupport::ReadHostFile(std::filesystem::path(QUILLERY_TEST_DIR) / "fixtures" / name), to);
}

std::string PlaceFile(const std::string& bytes, const std::string& to) {
    testsupport::WriteHostFile(HostOf(to), bytes);
    return to;
}

void SetDate(const std::string& fileName, TDateTime date) { ASSERT_TRUE(WriteFileDate(fileName, date)) << fileName; }

}  // namespace supporttest
