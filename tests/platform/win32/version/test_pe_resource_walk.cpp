// Crafted PE images whose resource directory would make a naive walk look
// the sections up again for every entry: directories of tens of thousands
// of entries behind tens of thousands of sections. The walk answers or
// refuses them after a bounded number of steps.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support_version.h"
#include "win32/errors.h"
#include "win32/version/find_version_block.h"
#include "win32/version/pe_version_resource.h"
#include "win32/version/version_block_writer.h"

using namespace win32;
using versiontest::AsBytes;

namespace {

constexpr uint32_t kResourceRva = 0x1000;
constexpr uint32_t kSubdirectory = 0x80000000;

void Put(std::string& bytes, size_t offset, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = char(value >> (8 * i));
}

std::string Directory(uint32_t ids, const std::vector<std::pair<uint32_t, uint32_t>>& entries)
{
    std::string directory(16, '\0');
    Put(directory, 14, ids, 2);
    for (const auto& [id, target] : entries) {
        std::string entry(8, '\0');
        Put(entry, 0, id, 4);
        Put(entry, 4, target, 4);
        directory += entry;
    }
    return directory;
}

// A resource directory whose type directory lists `types` ids, the version
// type last, followed by its name and language directories and the block.
std::string Resources(uint32_t types)
{
    std::vector<std::pair<uint32_t, uint32_t>> entries;
    const uint32_t nameDirectory = 16 + 8 * types;
    for (uint32_t i = 0; i + 1 < types; ++i)
        entries.emplace_back(1000 + i, kSubdirectory | nameDirectory);
    entries.emplace_back(RT_VERSION, kSubdirectory | nameDirectory);
    std::string resources = Directory(types, entries);
    resources += Directory(1, {{1, kSubdirectory | (nameDirectory + 24)}});
    resources += Directory(1, {{0x0409, nameDirectory + 48}});
    const std::string block = BuildVersionBlock({});
    std::string dataEntry(16, '\0');
    Put(dataEntry, 0, kResourceRva + nameDirectory + 64, 4);
    Put(dataEntry, 4, uint32_t(block.size()), 4);
    return resources + dataEntry + block;
}

// A PE32 image whose resources lie in sections cut from `resources` at
// `cuts` (the first at 0), listed last first when `reversed`, after
// `emptySections` sections that hold nothing.
std::string PeImageWith(const std::string& resources, std::vector<size_t> cuts, bool reversed, uint32_t emptySections)
{
    cuts.push_back(resources.size());
    const uint32_t sections = emptySections + uint32_t(cuts.size() - 1);
    std::string image(0x40 + 24 + 224, '\0');
    Put(image, 0, 0x5A4D, 2);
    Put(image, 0x3C, 0x40, 4);
    Put(image, 0x40, 0x00004550, 4);
    Put(image, 0x40 + 6, sections, 2);
    Put(image, 0x40 + 20, 224, 2);
    const size_t optional = 0x40 + 24;
    Put(image, optional, 0x10B, 2);
    Put(image, optional + 92, 16, 4);
    Put(image, optional + 96 + 2 * 8, kResourceRva, 4);
    Put(image, optional + 96 + 2 * 8 + 4, uint32_t(resources.size()), 4);
    const size_t table = image.size();
    const size_t raw = table + size_t(sections) * 40;
    image.resize(raw, '\0');
    image += resources;
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
        const size_t index = emptySections + (reversed ? cuts.size() - 2 - k : k);
        const size_t header = table + index * 40;
        Put(image, header + 8, uint32_t(cuts[k + 1] - cuts[k]), 4);
        Put(image, header + 12, uint32_t(kResourceRva + cuts[k]), 4);
        Put(image, header + 16, uint32_t(cuts[k + 1] - cuts[k]), 4);
        Put(image, header + 20, uint32_t(raw + cuts[k]), 4);
    }
    return image;
}

// Cuts that give the type directory's header, and each of its `types`
// entries, a section of its own.
std::vector<size_t> EntryPerSection(uint32_t types)
{
    std::vector<size_t> cuts = {0};
    for (uint32_t i = 0; i <= types; ++i)
        cuts.push_back(16 + 8 * size_t(i));
    return cuts;
}

}  // namespace

TEST(PeResourceWalk, FindsTheVersionAfterManyTypesAndSections)
{
    const uint32_t types = 200;
    const std::string resources = Resources(types);
    const std::string images[] = {
        PeImageWith(resources, {0}, false, 0),
        PeImageWith(resources, {0}, false, 0xFFFF - 1),
        PeImageWith(resources, EntryPerSection(types), true, 0),
    };
    for (const std::string& image : images) {
        const VersionBlockLocation found = FindVersionBlock(AsBytes(image));
        ASSERT_EQ(found.error, ERROR_SUCCESS);
        EXPECT_EQ(image.substr(found.offset, found.size), BuildVersionBlock({}));
    }
}

TEST(PeResourceWalk, ADirectoryOfMoreEntriesThanImagesHaveIsRefused)
{
    const std::string image = PeImageWith(Resources(2 * kMaxResourceEntries), {0}, false, 0);
    EXPECT_EQ(FindPeVersionResource(AsBytes(image)).error, ERROR_BAD_EXE_FORMAT);
}

// 65535 entries behind 65535 sections: billions of section lookups for a
// walk that maps each entry on its own.
TEST(PeResourceWalk, ThousandsOfEntriesBehindThousandsOfSectionsAreRefused)
{
    const std::string image = PeImageWith(Resources(0xFFFF), {0}, false, 0xFFFF - 1);
    EXPECT_EQ(FindPeVersionResource(AsBytes(image)).error, ERROR_BAD_EXE_FORMAT);
}

// Every entry in a section of its own, each found only at the end of a
// long section table: the section lookups run out before the entries do.
TEST(PeResourceWalk, EntriesThatEachNeedALongSectionSearchAreRefused)
{
    const uint32_t types = 200;
    const std::string image = PeImageWith(Resources(types), EntryPerSection(types), true, 0xFFFF - types - 3);
    ASSERT_GT(types * uint64_t(0xFFFF - types), kMaxSectionLookups);
    EXPECT_EQ(FindPeVersionResource(AsBytes(image)).error, ERROR_BAD_EXE_FORMAT);
}
