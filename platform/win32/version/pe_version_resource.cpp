#include "win32/version/pe_version_resource.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace win32 {
namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kDirectoryHeaderSize = 16;
constexpr size_t kDirectoryEntrySize = 8;
constexpr size_t kDataEntrySize = 16;
constexpr uint32_t kHighBit = 0x80000000;

struct Section {
    uint64_t address = 0;    // RVA of its first byte
    uint64_t extent = 0;     // bytes of raw data that belong to it
    uint64_t rawOffset = 0;  // file offset of its raw data
};

// Where bytes at an RVA lie in the file, and how many bytes of the same
// section follow there.
struct Mapping {
    uint64_t offset = 0;
    uint64_t room = 0;
};

class PeImage {
public:
    explicit PeImage(ImageReader& file) : file_(file) {}

    // Reads the headers and the section table; false when they are not
    // those of a PE image.
    bool ReadHeaders()
    {
        if (!file_.Has(0, 64) || file_.U16(0) != 0x5A4D)
            return false;
        const uint64_t pe = file_.U32(0x3C);
        if (!file_.Has(pe, 24) || file_.U32(pe) != 0x00004550)
            return false;
        const uint32_t sectionCount = file_.U16(pe + 6);
        const uint64_t optionalSize = file_.U16(pe + 20);
        const uint64_t optional = pe + 24;
        if (!file_.Has(optional, optionalSize) || optionalSize < 2)
            return false;
        const uint16_t magic = file_.U16(optional);
        uint64_t countField;
        if (magic == kPe32Magic)
            countField = 92;
        else if (magic == kPe32PlusMagic)
            countField = 108;
        else
            return false;
        const uint64_t directories = countField + 4;
        if (optionalSize >= directories) {
            const uint64_t fit = (optionalSize - directories) / 8;
            const uint64_t count = file_.U32(optional + countField);
            if (count > kResourceDirectoryIndex && fit > kResourceDirectoryIndex) {
                resourceRva_ = file_.U32(optional + directories + kResourceDirectoryIndex * 8);
                resourceSize_ = file_.U32(optional + directories + kResourceDirectoryIndex * 8 + 4);
            }
        }
        const uint64_t table = optional + optionalSize;
        if (!file_.Has(table, uint64_t(sectionCount) * kSectionHeaderSize))
            return false;
        sections_.reserve(sectionCount);
        for (uint32_t i = 0; i < sectionCount; ++i) {
            const uint64_t header = table + uint64_t(i) * kSectionHeaderSize;
            const uint64_t virtualSize = file_.U32(header + 8);
            const uint64_t rawSize = file_.U32(header + 16);
            const uint64_t extent = virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
            sections_.push_back({file_.U32(header + 12), extent, file_.U32(header + 20)});
        }
        return true;
    }

    bool HasResources() const { return resourceRva_ != 0 && resourceSize_ != 0; }

    // Where `count` bytes at `rva` lie, when one section's raw data holds
    // them all: the first section (in table order) that holds `rva`
    // decides. Nothing when none does, or when the lookups are used up.
    std::optional<Mapping> Map(uint64_t rva, uint64_t count)
    {
        for (const Section& s : sections_) {
            if (++sectionLookups_ > kMaxSectionLookups)
                return std::nullopt;
            if (rva < s.address || rva - s.address >= s.extent)
                continue;
            const uint64_t rest = s.extent - (rva - s.address);
            if (count > rest)
                return std::nullopt;
            const uint64_t offset = s.rawOffset + (rva - s.address);
            if (!file_.Has(offset, count))
                return std::nullopt;
            return Mapping{offset, std::min(rest, file_.size() - offset)};
        }
        return std::nullopt;
    }

    std::optional<uint64_t> FileOffset(uint64_t rva, uint64_t count)
    {
        const std::optional<Mapping> mapping = Map(rva, count);
        return mapping ? std::optional(mapping->offset) : std::nullopt;
    }

    // The directory entry at `relative` (from the resource directory's start)
    // whose id is `id`, or its first entry when `id` is absent. The entry's
    // second word is returned; nothing with `error` set otherwise. The
    // entries are mapped once per section they lie in, not one by one.
    std::optional<uint32_t> DirectoryEntry(uint64_t relative, std::optional<uint32_t> id, uint32_t missing,
                                           uint32_t& error)
    {
        const uint64_t directory = uint64_t(resourceRva_) + relative;
        const std::optional<uint64_t> header = FileOffset(directory, kDirectoryHeaderSize);
        if (!header) {
            error = ERROR_BAD_EXE_FORMAT;
            return std::nullopt;
        }
        const uint32_t named = file_.U16(*header + 12);
        const uint32_t ids = file_.U16(*header + 14);
        const uint32_t first = id ? named : 0;
        const uint32_t total = named + ids;
        if (first >= total) {
            error = missing;
            return std::nullopt;
        }
        Mapping entries;  // of entry i, while `room` holds a whole entry
        for (uint32_t i = first; i < total; ++i) {
            if (++entriesVisited_ > kMaxResourceEntries) {
                error = ERROR_BAD_EXE_FORMAT;
                return std::nullopt;
            }
            if (entries.room < kDirectoryEntrySize) {
                const std::optional<Mapping> mapped =
                    Map(directory + kDirectoryHeaderSize + uint64_t(i) * kDirectoryEntrySize, kDirectoryEntrySize);
                if (!mapped) {
                    error = ERROR_BAD_EXE_FORMAT;
                    return std::nullopt;
                }
                entries = *mapped;
            }
            if (!id || file_.U32(entries.offset) == *id)
                return file_.U32(entries.offset + 4);
            entries.offset += kDirectoryEntrySize;
            entries.room -= kDirectoryEntrySize;
        }
        error = missing;
        return std::nullopt;
    }

    uint32_t ResourceRva() const { return resourceRva_; }
    ImageReader& File() { return file_; }

private:
    ImageReader& file_;
    std::vector<Section> sections_;
    uint32_t resourceRva_ = 0;
    uint32_t resourceSize_ = 0;
    uint64_t sectionLookups_ = 0;
    uint32_t entriesVisited_ = 0;
};

}  // namespace

bool LooksLikePeImage(std::span<const uint8_t> image)
{
    return image.size() >= 2 && image[0] == 'M' && image[1] == 'Z';
}

VersionBlockLocation FindPeVersionResource(std::span<const uint8_t> image)
{
    SpanImage source(image);
    ImageReader reader(source);
    return FindPeVersionResource(reader);
}

VersionBlockLocation FindPeVersionResource(ImageReader& image)
{
    PeImage pe{image};
    if (!pe.ReadHeaders())
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    if (!pe.HasResources())
        return VersionBlockLocation::Failure(ERROR_RESOURCE_DATA_NOT_FOUND);

    uint32_t error = ERROR_SUCCESS;
    const std::optional<uint32_t> type = pe.DirectoryEntry(0, RT_VERSION, ERROR_RESOURCE_TYPE_NOT_FOUND, error);
    if (!type)
        return VersionBlockLocation::Failure(error);
    if (!(*type & kHighBit))
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    const std::optional<uint32_t> name =
        pe.DirectoryEntry(*type & ~kHighBit, std::nullopt, ERROR_RESOURCE_NAME_NOT_FOUND, error);
    if (!name)
        return VersionBlockLocation::Failure(error);
    if (!(*name & kHighBit))
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    const std::optional<uint32_t> language =
        pe.DirectoryEntry(*name & ~kHighBit, std::nullopt, ERROR_RESOURCE_NAME_NOT_FOUND, error);
    if (!language)
        return VersionBlockLocation::Failure(error);
    if (*language & kHighBit)
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);

    const std::optional<uint64_t> dataEntry = pe.FileOffset(uint64_t(pe.ResourceRva()) + *language, kDataEntrySize);
    if (!dataEntry)
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    const uint32_t dataRva = pe.File().U32(*dataEntry);
    const uint32_t dataSize = pe.File().U32(*dataEntry + 4);
    const std::optional<uint64_t> data = pe.FileOffset(dataRva, dataSize);
    if (!data)
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    return {size_t(*data), dataSize, ERROR_SUCCESS};
}

}  // namespace win32
