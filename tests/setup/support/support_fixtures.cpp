#include "support_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/routines_FileSystem.h"
#include "support/machine_files.h"
#include "support/temp_dir.h"

namespace supporttest {

std::string PlaceFixture(const std::string& name, const std::string& to) {
    return PlaceFile(testsupport::ReadHostFile(std::filesystem::path(QUILLERY_TEST_DIR) / "fixtures" / name), to);
}

std::string PlaceFile(const std::string& bytes, const std::string& to) { return testsupport::PlaceBytes(bytes, to); }

void SetDate(const std::string& fileName, TDateTime date) { ASSERT_TRUE(WriteFileDate(fileName, date)) << fileName; }

}  // namespace supporttest
