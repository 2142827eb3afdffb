#include "win32/version/elf_version_section.h"

#include <string_view>
#include <vector>


namespace win32 {
namespace {

constexpr uint8_t kClass32 = 1;
constexpr uint8_t kClass64 = 2;
constexpr uint8_t kLittleEndian = 1;
constexpr uint32_t kNoBits = 8;             // SHT_NOBITS: the section has no bytes in the file
constexpr uint32_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX: the real index is in section 0

// Field offsets of the file and section headers of one ELF class.
struct ElfLayout {
    uint64_t sectionTable, sectionEntrySize, sectionCount, namesIndex;  // in the file header
    uint64_t headerSize;                                                 // of a section header
    uint64_t nameField, typeField, offsetField, sizeField, linkField;   // in a section header
    bool wide;                                                           // 64-bit addresses
};

constexpr ElfLayout kElf32{0x20, 0x2E, 0x30, 0x32, 40, 0, 4, 16, 20, 24, false};
constexpr ElfLayout kElf64{0x28, 0x3A, 0x3C, 0x3E, 64, 0, 4, 24, 32, 40, true};

struct Section {
    uint32_t name = 0;
    uint32_t type = 0;
    uint64_t offset = 0;
    uint64_t size = 0;
    uint32_t link = 0;
};

}  // namespace

bool LooksLikeElfImage(std::span<const uint8_t> image)
{
    return image.size() >= 4 && image[0] == 0x7F && image[1] == 'E' && image[2] == 'L' && image[3] == 'F';
}

VersionBlockLocation FindElfVersionSection(std::span<const uint8_t> image)
{
    SpanImage source(image);
    ImageReader reader(source);
    return FindElfVersionSection(reader);
}

VersionBlockLocation FindElfVersionSection(ImageReader& file)
{
    if (!file.Has(0, 0x34) || !LooksLikeElfImage(file.Bytes(0, 4)) || file.U8(5) != kLittleEndian)
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    const uint8_t elfClass = file.U8(4);
    if (elfClass != kClass32 && elfClass != kClass64)
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    const ElfLayout& layout = elfClass == kClass64 ? kElf64 : kElf32;
    if (!file.Has(0, layout.namesIndex + 2))
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);

    auto address = [&](uint64_t offset) { return layout.wide ? file.U64(offset) : file.U32(offset); };
    const uint64_t table = address(layout.sectionTable);
    const uint64_t entrySize = file.U16(layout.sectionEntrySize);
    uint64_t count = file.U16(layout.sectionCount);
    uint64_t namesIndex = file.U16(layout.namesIndex);
    if (table == 0)
        return VersionBlockLocation::Failure(ERROR_RESOURCE_DATA_NOT_FOUND);
    if (entrySize < layout.headerSize)
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);

    auto section = [&](uint64_t index) {
        const uint64_t header = table + index * entrySize;
        return Section{file.U32(header + layout.nameField), file.U32(header + layout.typeField),
                       address(header + layout.offsetField), address(header + layout.sizeField),
                       file.U32(header + layout.linkField)};
    };
    if (!file.Has(table, entrySize))
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    // Section 0 holds the real count and names index when they overflow the
    // 16-bit fields.
    if (count == 0)
        count = section(0).size;
    if (namesIndex == kExtendedIndex)
        namesIndex = section(0).link;
    if (count > file.size() / entrySize || !file.Has(table, count * entrySize) || namesIndex >= count)
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);

    const Section names = section(namesIndex);
    if (names.type == kNoBits || !file.Has(names.offset, names.size))
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    const std::string_view wanted(kElfVersionSectionName, sizeof kElfVersionSectionName);  // with its NUL

    for (uint64_t i = 0; i < count; ++i) {
        const Section s = section(i);
        if (s.name > names.size || wanted.size() > names.size - s.name)
            continue;
        const std::vector<uint8_t> name = file.Bytes(names.offset + s.name, wanted.size());
        if (std::string_view(reinterpret_cast<const char*>(name.data()), name.size()) != wanted)
            continue;
        if (s.type == kNoBits || !file.Has(s.offset, s.size))
            return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
        return {size_t(s.offset), size_t(s.size), ERROR_SUCCESS};
    }
    return VersionBlockLocation::Failure(ERROR_RESOURCE_DATA_NOT_FOUND);
}

}  // namespace win32
