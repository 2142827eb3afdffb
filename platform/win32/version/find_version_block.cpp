#include "win32/version/find_version_block.h"

#include <algorithm>

#include "win32/version/elf_version_section.h"
#include "win32/version/image_reader.h"
#include "win32/version/pe_version_resource.h"
#include "win32/version/version_block.h"

namespace win32 {
namespace {

// A block's length is a 16-bit word: nothing past it is ever read.
constexpr uint64_t kLongestBlock = 0xFFFF;

FoundVersionBlock Failure(uint32_t error) { return {VersionBlockLocation::Failure(error), {}}; }

}  // namespace

FoundVersionBlock ReadVersionBlock(ImageSource& image)
{
    ImageReader reader(image);
    const std::vector<uint8_t> magic = reader.Bytes(0, std::min<uint64_t>(4, reader.size()));
    VersionBlockLocation found;
    if (LooksLikePeImage(magic))
        found = FindPeVersionResource(reader);
    else if (LooksLikeElfImage(magic))
        found = FindElfVersionSection(reader);
    else
        return Failure(ERROR_BAD_EXE_FORMAT);
    if (found.error != ERROR_SUCCESS)
        return Failure(found.error);
    std::vector<uint8_t> bytes = reader.Bytes(found.offset, std::min<uint64_t>(found.size, kLongestBlock));
    const std::optional<VersionBlock> block = VersionBlock::Parse(bytes);
    if (!block)
        return Failure(ERROR_INVALID_DATA);
    found.size = block->Length();
    bytes.resize(found.size);
    return {found, std::move(bytes)};
}

VersionBlockLocation FindVersionBlock(std::span<const uint8_t> image)
{
    SpanImage source(image);
    return ReadVersionBlock(source).location;
}

}  // namespace win32
