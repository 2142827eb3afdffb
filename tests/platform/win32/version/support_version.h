#pragma once
// Helpers of the version tests: the fixture images, byte views of strings,
// and what pefile (the real reader) reports for a PE image.

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace versiontest {

// Host path of a file in the fixtures folder.
std::filesystem::path Fixture(const std::string& name);

inline std::span<const uint8_t> AsBytes(const std::string& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// The UTF-16LE bytes of a text as lower-case hex, as pefile_dump.py prints
// values.
std::string Utf16Hex(std::u16string_view text);

struct PefileString {
    std::string table, key, utf16Hex;
};

struct PefileReport {
    bool hasVersion = false;
    uint64_t offset = 0, size = 0;
    std::map<std::string, uint32_t> fixed;  // by pefile's field names
    std::vector<PefileString> strings;
    std::vector<std::pair<uint16_t, uint16_t>> translations;
};

// Runs fixtures/pefile_dump.py on `image` with /usr/bin/python3; throws
// std::runtime_error when it fails.
PefileReport RunPefile(const std::filesystem::path& image);

}  // namespace versiontest
