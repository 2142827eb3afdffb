#pragma once
// Reader of a version block (VS_VERSIONINFO in the 32-bit layout, as stored
// in a PE resource or in our programs' ELF section).
//
// A block is a tree of nodes. Each node is: its total length (16 bits, the
// node with its children, without trailing padding), the length of its value
// (UTF-16 units for text, bytes otherwise), its type (1 text, 0 binary), a
// NUL-terminated UTF-16 key, padding to 32 bits, the value, padding to 32
// bits, and the children. Offsets are aligned from the start of the block.
//
// Parsing is defensive: a root that does not fit or is not "VS_VERSION_INFO"
// fails; a child whose lengths do not fit in its parent ends the parent's
// list of children there, and a value that claims more room than its node
// has is cut to the node. Nothing is ever read outside the given bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "win32/version/fixed_file_info.h"

namespace win32 {

struct VersionNode {
    std::u16string key;
    bool isText = false;     // the value is UTF-16 text
    size_t valueOffset = 0;  // from the start of the block
    size_t valueSize = 0;    // in bytes, inside the node
    std::vector<VersionNode> children;
};

// One entry of "\VarFileInfo\Translation": a language identifier and a code
// page, stored as two 16-bit words in that order.
struct VersionTranslation {
    uint16_t language = 0;
    uint16_t codePage = 0;
    bool operator==(const VersionTranslation&) const = default;
};

// A parsed block over bytes that the caller keeps alive.
class VersionBlock {
public:
    // The block at the start of `bytes`; nothing when its root is unusable.
    // Bytes beyond the root's length are not part of the block.
    static std::optional<VersionBlock> Parse(std::span<const uint8_t> bytes);

    // The root's length in bytes (at most the size of the given bytes).
    size_t Length() const { return bytes_.size(); }
    std::span<const uint8_t> Bytes() const { return bytes_; }
    const VersionNode& Root() const { return root_; }

    // The node named by a path of keys separated by "\", such as
    // "\StringFileInfo\040904E4\FileVersion"; keys are compared without
    // regard to ASCII case, empty parts are skipped (so "" and "\" name the
    // root). Nothing when a key is missing.
    const VersionNode* Find(std::string_view path) const;

    // The text of a node, up to its first NUL; empty for binary nodes.
    std::u16string Text(const VersionNode& node) const;
    // The raw value bytes of a node.
    std::span<const uint8_t> Value(const VersionNode& node) const;

    // The root's value when it is a whole VS_FIXEDFILEINFO with the right
    // signature.
    std::optional<VS_FIXEDFILEINFO> FixedFileInfo() const;
    // The entries of "\VarFileInfo\Translation" (empty when it is missing).
    std::vector<VersionTranslation> Translations() const;

private:
    VersionBlock(std::span<const uint8_t> bytes, VersionNode root) : bytes_(bytes), root_(std::move(root)) {}

    std::span<const uint8_t> bytes_;
    VersionNode root_;
};

// The key of a version block's root node.
inline constexpr std::u16string_view kVersionInfoKey = u"VS_VERSION_INFO";

}  // namespace win32
