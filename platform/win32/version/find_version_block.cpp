#include "win32/version/find_version_block.h"

#include "win32/version/elf_version_section.h"
#include "win32/version/pe_version_resource.h"
#include "win32/version/version_block.h"

namespace win32 {

VersionBlockLocation FindVersionBlock(std::span<const uint8_t> image)
{
    VersionBlockLocation found;
    if (LooksLikePeImage(image))
        found = FindPeVersionResource(image);
    else if (LooksLikeElfImage(image))
        found = FindElfVersionSection(image);
    else
        return VersionBlockLocation::Failure(ERROR_BAD_EXE_FORMAT);
    if (found.error != ERROR_SUCCESS)
        return found;
    const std::optional<VersionBlock> block = VersionBlock::Parse(image.subspan(found.offset, found.size));
    if (!block)
        return VersionBlockLocation::Failure(ERROR_INVALID_DATA);
    found.size = block->Length();
    return found;
}

}  // namespace win32
