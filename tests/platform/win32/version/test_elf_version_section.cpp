// Our programs' version block in an ELF section: this test executable is
// given one by quillery_version_resource() (see CMakeLists.txt) and reads
// itself back, through the section finder and through the version
// functions; damaged copies fail cleanly.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <random>

#include "support/fresh_machine.h"
#include "support/temp_dir.h"
#include "support_version.h"
#include "win32/errors.h"
#include "win32/module.h"
#include "win32/paths.h"
#include "win32/version/elf_version_section.h"
#include "win32/version/find_version_block.h"
#include "win32/version/version_block.h"
#include "win32/version/version_block_writer.h"
#include "win32/version/version_info.h"

using namespace win32;
using versiontest::AsBytes;

namespace {

std::string SelfImage() { return testsupport::ReadHostFile("/proc/self/exe"); }

void Put(std::string& bytes, size_t offset, uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = char(value >> (8 * i));
}

uint64_t Get(const std::string& bytes, size_t offset, int size)
{
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | uint8_t(bytes[offset + i]);
    return value;
}

// Where a 64-bit image keeps the header of its version section, and that
// section's name in the section names; 0 when it has none.
struct VersionSectionPlace {
    size_t header = 0;
    size_t name = 0;
};

VersionSectionPlace FindVersionSectionPlace(const std::string& image)
{
    const uint64_t table = Get(image, 0x28, 8);
    const uint64_t count = Get(image, 0x3C, 2);
    const uint64_t namesAt = Get(image, table + Get(image, 0x3E, 2) * 64 + 24, 8);
    for (uint64_t i = 0; i < count; ++i) {
        const size_t name = namesAt + Get(image, table + i * 64, 4);
        if (image.compare(name, 10, std::string(".qversion\0", 10)) == 0)
            return {size_t(table + i * 64), name};
    }
    return {};
}

// A small 32-bit ELF file: a null section, the section names and a
// ".qversion" section holding `block`.
std::string Elf32With(const std::string& block)
{
    const std::string names = std::string("\0.shstrtab\0.qversion\0", 21);
    std::string file(52, '\0');
    std::memcpy(file.data(), "\x7F" "ELF\x01\x01\x01", 7);
    const size_t namesAt = file.size();
    file += names;
    while (file.size() % 4)
        file.push_back('\0');
    const size_t blockAt = file.size();
    file += block;
    while (file.size() % 4)
        file.push_back('\0');
    const size_t table = file.size();
    file += std::string(3 * 40, '\0');
    auto section = [&](int index, uint32_t name, uint32_t type, size_t offset, size_t size) {
        const size_t h = table + index * 40;
        Put(file, h, name, 4);
        Put(file, h + 4, type, 4);
        Put(file, h + 16, offset, 4);
        Put(file, h + 20, size, 4);
    };
    section(1, 1, 3, namesAt, names.size());
    section(2, 11, 1, blockAt, block.size());
    Put(file, 0x20, table, 4);   // e_shoff
    Put(file, 0x2E, 40, 2);      // e_shentsize
    Put(file, 0x30, 3, 2);       // e_shnum
    Put(file, 0x32, 1, 2);       // e_shstrndx
    return file;
}

}  // namespace

TEST(ElfVersionSection, OurExecutableCarriesTheBlockItsBuildAskedFor)
{
    const std::string image = SelfImage();
    const VersionBlockLocation found = FindVersionBlock(AsBytes(image));
    ASSERT_EQ(found.error, ERROR_SUCCESS);
    EXPECT_EQ(found.offset % 4, 0u);
    const std::optional<VersionBlock> block = VersionBlock::Parse(AsBytes(image).subspan(found.offset, found.size));
    ASSERT_TRUE(block);

    const std::optional<VS_FIXEDFILEINFO> fixed = block->FixedFileInfo();
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 23u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileFlags, VS_FF_PRERELEASE);
    EXPECT_EQ(fixed->dwFileType, VFT_APP);

    const std::pair<const char*, std::u16string> strings[] = {
        {"CompanyName", u"TARN"},
        {"FileDescription", u"Quillery help authoring"},
        {"LegalCopyright", u"Copyright \u00a9 2001 TARN"},
        {"Comments", u"\u03a9 and \u20ac"},
        {"FileVersion", u"1.0.0.23"},    // added from VERSION
        {"ProductVersion", u"1.0.2.0"},  // added from PRODUCT_VERSION
    };
    for (const auto& [key, value] : strings) {
        const VersionNode* node = block->Find(std::string("\\StringFileInfo\\040904E4\\") + key);
        ASSERT_TRUE(node) << key;
        EXPECT_EQ(block->Text(*node), value) << key;
    }
    EXPECT_EQ(block->Translations(), (std::vector<VersionTranslation>{{0x0409, 0x04E4}}));
}

TEST(ElfVersionSection, TheVersionFunctionsReadTheRunningProgram)
{
    testsupport::FreshMachine machine;
    const std::string self = GetModuleFileName();
    uint32_t handle = 7;
    const uint32_t size = GetFileVersionInfoSize(self, &handle);
    ASSERT_NE(size, 0u) << GetLastError();
    EXPECT_EQ(handle, 0u);
    std::vector<uint8_t> data(size);
    ASSERT_TRUE(GetFileVersionInfo(self, handle, size, data.data()));

    const void* value = nullptr;
    uint32_t length = 0;
    // The about box asks without a leading backslash.
    ASSERT_TRUE(VerQueryValue(data.data(), "StringFileInfo\\040904E4\\FileVersion", &value, &length));
    EXPECT_STREQ(static_cast<const char*>(value), "1.0.0.23");
    EXPECT_EQ(length, 9u);
    ASSERT_TRUE(VerQueryValue(data.data(), "\\StringFileInfo\\040904E4\\Comments", &value, &length));
    EXPECT_STREQ(static_cast<const char*>(value), "? and \x80");  // no omega in code page 1252
}

TEST(ElfVersionSection, AProgramWithoutTheSectionHasNoResources)
{
    std::string image = SelfImage();
    ASSERT_EQ(image[4], 2) << "the test expects a 64-bit executable";
    const VersionSectionPlace place = FindVersionSectionPlace(image);
    ASSERT_NE(place.name, 0u);
    image[place.name + 8] = 'X';
    EXPECT_EQ(FindElfVersionSection(AsBytes(image)).error, ERROR_RESOURCE_DATA_NOT_FOUND);
}

TEST(ElfVersionSection, ReadsA32BitImage)
{
    const std::string block = BuildVersionBlock({});
    const std::string file = Elf32With(block);
    const VersionBlockLocation found = FindVersionBlock(AsBytes(file));
    ASSERT_EQ(found.error, ERROR_SUCCESS);
    EXPECT_EQ(file.substr(found.offset, found.size), block);
}

TEST(ElfVersionSection, DamagedHeadersFailCleanly)
{
    const std::string good = SelfImage();
    ASSERT_EQ(good[4], 2) << "the test expects a 64-bit executable";
    const uint64_t count = Get(good, 0x3C, 2);
    const size_t versionHeader = FindVersionSectionPlace(good).header;
    ASSERT_NE(versionHeader, 0u);

    struct Case {
        const char* name;
        size_t offset;
        uint64_t value;
        int size;
        uint32_t error;
    };
    const Case cases[] = {
        {"unknown class", 4, 3, 1, ERROR_BAD_EXE_FORMAT},
        {"big-endian", 5, 2, 1, ERROR_BAD_EXE_FORMAT},
        {"section table past the end", 0x28, good.size() - 10, 8, ERROR_BAD_EXE_FORMAT},
        {"section table offset overflowing", 0x28, ~uint64_t(0) - 8, 8, ERROR_BAD_EXE_FORMAT},
        {"section headers too small", 0x3A, 20, 2, ERROR_BAD_EXE_FORMAT},
        {"more sections than the file holds", 0x3C, 0xFFF0, 2, ERROR_BAD_EXE_FORMAT},
        {"names index out of range", 0x3E, count, 2, ERROR_BAD_EXE_FORMAT},
        {"no section table", 0x28, 0, 8, ERROR_RESOURCE_DATA_NOT_FOUND},
        {"version section past the end", versionHeader + 24, good.size(), 8, ERROR_BAD_EXE_FORMAT},
        {"version section too long", versionHeader + 32, good.size(), 8, ERROR_BAD_EXE_FORMAT},
        {"version section without bytes", versionHeader + 4, 8, 4, ERROR_BAD_EXE_FORMAT},
        {"version section too short for its block", versionHeader + 32, 40, 8, ERROR_INVALID_DATA},
    };
    for (const Case& c : cases) {
        std::string image = good;
        Put(image, c.offset, c.value, c.size);
        EXPECT_EQ(FindVersionBlock(AsBytes(image)).error, c.error) << c.name;
    }
}

TEST(ElfVersionSection, TruncatedImagesFailCleanly)
{
    const std::string good = SelfImage();
    const VersionBlockLocation found = FindVersionBlock(AsBytes(good));
    ASSERT_EQ(found.error, ERROR_SUCCESS);
    const size_t tableEnd = Get(good, 0x28, 8) + Get(good, 0x3C, 2) * 64;
    std::vector<size_t> lengths = {0, 3, 4, 20, 63, 64, found.offset, found.offset + found.size - 1,
                                   tableEnd - 1, good.size() - 1};
    std::mt19937 random(7);
    for (int i = 0; i < 100; ++i)
        lengths.push_back(random() % good.size());
    for (size_t length : lengths) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + length);
        const VersionBlockLocation location = FindVersionBlock(cut);
        if (length >= tableEnd && length >= found.offset + found.size)
            EXPECT_EQ(location.error, ERROR_SUCCESS) << length;
        else
            EXPECT_NE(location.error, ERROR_SUCCESS) << length;
    }
}
