#include "win32/version/version_block.h"

#include <algorithm>
#include <cstring>

#include "win32/version/byte_view.h"

namespace win32 {
namespace {

// Real blocks are four levels deep (root, StringFileInfo, string table,
// string); anything much deeper is malformed, and the limit keeps the
// recursion small.
constexpr int kMaxDepth = 8;
constexpr size_t kNodeHeaderSize = 6;

size_t AlignUp4(size_t offset) { return (offset + 3) & ~size_t(3); }

// Reads the node at `start` of `block`, which must end by `limit`. Returns
// nothing when its header, key or length do not fit.
std::optional<VersionNode> ParseNode(const ByteView& block, size_t start, size_t limit, int depth)
{
    if (start > limit || limit - start < kNodeHeaderSize)
        return std::nullopt;
    const size_t length = block.U16(start);
    const size_t valueLength = block.U16(start + 2);
    const uint16_t type = block.U16(start + 4);
    if (length < kNodeHeaderSize || length > limit - start || type > 1)
        return std::nullopt;
    const size_t end = start + length;

    VersionNode node;
    size_t offset = start + kNodeHeaderSize;
    for (;;) {
        if (end - offset < 2)
            return std::nullopt;  // the key runs past the node
        const char16_t c = block.U16(offset);
        offset += 2;
        if (c == 0)
            break;
        node.key.push_back(c);
    }

    node.isText = type == 1;
    node.valueOffset = std::min(AlignUp4(offset), end);
    const size_t claimed = node.isText ? valueLength * 2 : valueLength;
    node.valueSize = std::min(claimed, end - node.valueOffset);

    if (depth >= kMaxDepth)
        return node;
    size_t child = AlignUp4(node.valueOffset + claimed);
    while (child < end) {
        std::optional<VersionNode> parsed = ParseNode(block, child, end, depth + 1);
        if (!parsed)
            break;
        child = AlignUp4(child + block.U16(child));
        node.children.push_back(std::move(*parsed));
    }
    return node;
}

bool SameKey(std::u16string_view key, std::string_view part)
{
    if (key.size() != part.size())
        return false;
    for (size_t i = 0; i < key.size(); ++i) {
        char16_t a = key[i];
        char16_t b = static_cast<unsigned char>(part[i]);
        if (a >= u'a' && a <= u'z')
            a -= 32;
        if (b >= u'a' && b <= u'z')
            b -= 32;
        if (a != b)
            return false;
    }
    return true;
}

}  // namespace

std::optional<VersionBlock> VersionBlock::Parse(std::span<const uint8_t> bytes)
{
    const ByteView view(bytes);
    if (!view.Has(0, kNodeHeaderSize))
        return std::nullopt;
    const size_t length = view.U16(0);
    if (length > bytes.size())
        return std::nullopt;
    const ByteView block = view.Slice(0, length);
    std::optional<VersionNode> root = ParseNode(block, 0, length, 0);
    if (!root || root->key != kVersionInfoKey)
        return std::nullopt;
    return VersionBlock(bytes.first(length), std::move(*root));
}

const VersionNode* VersionBlock::Find(std::string_view path) const
{
    const VersionNode* node = &root_;
    while (!path.empty()) {
        const size_t cut = path.find('\\');
        const std::string_view part = path.substr(0, cut);
        path = cut == std::string_view::npos ? std::string_view() : path.substr(cut + 1);
        if (part.empty())
            continue;
        const VersionNode* next = nullptr;
        for (const VersionNode& child : node->children) {
            if (SameKey(child.key, part)) {
                next = &child;
                break;
            }
        }
        if (!next)
            return nullptr;
        node = next;
    }
    return node;
}

std::span<const uint8_t> VersionBlock::Value(const VersionNode& node) const
{
    return bytes_.subspan(node.valueOffset, node.valueSize);
}

std::u16string VersionBlock::Text(const VersionNode& node) const
{
    std::u16string text;
    if (!node.isText)
        return text;
    const ByteView value(Value(node));
    for (size_t offset = 0; value.Has(offset, 2); offset += 2) {
        const char16_t c = value.U16(offset);
        if (c == 0)
            break;
        text.push_back(c);
    }
    return text;
}

std::optional<VS_FIXEDFILEINFO> VersionBlock::FixedFileInfo() const
{
    const ByteView value(Value(root_));
    if (!value.Has(0, sizeof(VS_FIXEDFILEINFO)) || value.U32(0) != VS_FFI_SIGNATURE)
        return std::nullopt;
    uint32_t words[sizeof(VS_FIXEDFILEINFO) / 4];
    for (size_t i = 0; i < std::size(words); ++i)
        words[i] = value.U32(i * 4);
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, words, sizeof info);
    return info;
}

std::vector<VersionTranslation> VersionBlock::Translations() const
{
    std::vector<VersionTranslation> translations;
    const VersionNode* node = Find("\\VarFileInfo\\Translation");
    if (!node)
        return translations;
    const ByteView value(Value(*node));
    for (size_t offset = 0; value.Has(offset, 4); offset += 4)
        translations.push_back({value.U16(offset), value.U16(offset + 2)});
    return translations;
}

}  // namespace win32
