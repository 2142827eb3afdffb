#include "win32/version/version_info.h"

#include <cstring>
#include <optional>
#include <span>

#include "win32/codepage.h"
#include "win32/errors.h"
#include "win32/version/find_version_block.h"
#include "win32/version/image_file.h"
#include "win32/version/version_block.h"

namespace win32 {
namespace {

// Layout of the data: the block, padded to 32 bits; a tag that marks data
// filled by GetFileVersionInfo; the ANSI area, where each text's ANSI copy
// lies at the same offset as its UTF-16 value in the block, with room for
// the last text's NUL.
constexpr char kAnsiTag[4] = {'A', 'N', 'S', 'I'};

size_t PaddedLength(size_t blockLength) { return (blockLength + 3) & ~size_t(3); }
size_t AnsiAreaOffset(size_t blockLength) { return PaddedLength(blockLength) + sizeof kAnsiTag; }
size_t DataSize(size_t blockLength) { return 2 * PaddedLength(blockLength) + 2 * sizeof kAnsiTag; }

// The file's version block, read through the machine's files (sharing read
// and write) as far as finding it needs, or nothing with the last error set.
std::optional<FoundVersionBlock> ReadFileBlock(const std::string& fileName)
{
    std::optional<ImageFile> file = ImageFile::Open(fileName);
    if (!file)
        return std::nullopt;
    FoundVersionBlock found = ReadVersionBlock(*file);
    if (file->ReadError() != ERROR_SUCCESS) {
        SetLastError(file->ReadError());
        return std::nullopt;
    }
    if (found.location.error != ERROR_SUCCESS) {
        SetLastError(found.location.error);
        return std::nullopt;
    }
    return found;
}

void WriteAnsiTexts(const VersionBlock& block, const VersionNode& node, uint8_t* data, size_t dataSize)
{
    if (node.isText && node.valueSize != 0) {
        const std::string ansi = WideCharToMultiByte(CP_ACP, block.Text(node));
        const size_t at = AnsiAreaOffset(block.Length()) + node.valueOffset;
        const size_t room = dataSize - at - 1;  // keeps a NUL after the text
        std::memcpy(data + at, ansi.data(), ansi.size() < room ? ansi.size() : room);
    }
    for (const VersionNode& child : node.children)
        WriteAnsiTexts(block, child, data, dataSize);
}

}  // namespace

uint32_t GetFileVersionInfoSize(const std::string& fileName, uint32_t* handle)
{
    if (handle)
        *handle = 0;
    const std::optional<FoundVersionBlock> found = ReadFileBlock(fileName);
    return found ? uint32_t(DataSize(found->location.size)) : 0;
}

bool GetFileVersionInfo(const std::string& fileName, uint32_t /*handle*/, uint32_t len, void* data)
{
    if (!data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const std::optional<FoundVersionBlock> found = ReadFileBlock(fileName);
    if (!found)
        return false;
    const size_t length = found->location.size;
    const size_t size = DataSize(length);
    if (len < size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return false;
    }
    uint8_t* out = static_cast<uint8_t*>(data);
    std::memset(out, 0, size);
    std::memcpy(out, found->bytes.data(), length);
    std::memcpy(out + PaddedLength(length), kAnsiTag, sizeof kAnsiTag);
    const std::optional<VersionBlock> block = VersionBlock::Parse(std::span<const uint8_t>(out, length));
    WriteAnsiTexts(*block, block->Root(), out, size);  // FindVersionBlock has parsed these bytes
    return true;
}

bool VerQueryValue(const void* block, const std::string& subBlock, const void** buffer, uint32_t* len)
{
    if (!block || !buffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const uint8_t* data = static_cast<const uint8_t*>(block);
    const size_t length = size_t(data[0]) | size_t(data[1]) << 8;
    const std::optional<VersionBlock> parsed = VersionBlock::Parse(std::span(data, length));
    if (!parsed || std::memcmp(data + PaddedLength(length), kAnsiTag, sizeof kAnsiTag) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const VersionNode* node = parsed->Find(subBlock);
    if (!node) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return false;
    }

    const void* value;
    size_t size;
    if (node == &parsed->Root()) {
        if (!parsed->FixedFileInfo()) {
            SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
            return false;
        }
        value = data + node->valueOffset;
        size = node->valueSize;
    } else if (node->isText && node->valueSize == 0) {
        value = "";
        size = 0;
    } else if (node->isText) {
        const size_t at = AnsiAreaOffset(length) + node->valueOffset;
        const char* text = reinterpret_cast<const char*>(data + at);
        value = text;
        size = strnlen(text, DataSize(length) - at) + 1;
    } else {
        value = data + node->valueOffset;
        size = node->valueSize;
    }
    *buffer = value;
    if (len)
        *len = uint32_t(size);
    return true;
}

}  // namespace win32
