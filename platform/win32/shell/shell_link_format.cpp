#include "win32/shell/shell_link_format.h"

#include <cctype>

#include "win32/codepage.h"

namespace win32 {

namespace {

constexpr uint32_t kHeaderSize = 0x4C;
constexpr uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr uint32_t kLinkInfoHeaderSize = 0x1C;
constexpr uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr uint32_t kDriveRemovable = 2;
constexpr uint32_t kDriveFixed = 3;
// The serial number our drives report; any stable value serves.
constexpr uint32_t kDriveSerial = 0x1C0DE5E7;

void Put16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// LinkInfo with a VolumeID and the local base path (the whole target path)
// and an empty common path suffix.
std::string EncodeLinkInfo(const std::string& path) {
    const bool floppy = path.size() >= 2 && std::toupper(static_cast<unsigned char>(path[0])) == 'A' && path[1] == ':';
    std::string volume;
    Put32(volume, 0x11);  // size: four fields and the empty label
    Put32(volume, floppy ? kDriveRemovable : kDriveFixed);
    Put32(volume, kDriveSerial);
    Put32(volume, 0x10);  // label offset
    volume.push_back('\0');

    const uint32_t volumeOffset = kLinkInfoHeaderSize;
    const uint32_t baseOffset = volumeOffset + static_cast<uint32_t>(volume.size());
    const uint32_t suffixOffset = baseOffset + static_cast<uint32_t>(path.size()) + 1;
    const uint32_t size = suffixOffset + 1;

    std::string info;
    Put32(info, size);
    Put32(info, kLinkInfoHeaderSize);
    Put32(info, kVolumeIdAndLocalBasePath);
    Put32(info, volumeOffset);
    Put32(info, baseOffset);
    Put32(info, 0);  // no network location
    Put32(info, suffixOffset);
    info += volume;
    info += path;
    info.push_back('\0');
    info.push_back('\0');
    return info;
}

void PutString(std::string& out, const std::string& text) {
    Put16(out, static_cast<uint16_t>(text.size()));
    out += text;
}

// Reads little-endian fields with bounds checks; any read past the end marks
// the reader failed and yields zeros.
class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    size_t pos() const { return pos_; }
    void Seek(size_t pos) {
        if (pos > bytes_.size()) ok_ = false;
        else pos_ = pos;
    }
    uint32_t U(int width) {
        if (!ok_ || bytes_.size() - pos_ < static_cast<size_t>(width)) {
            ok_ = false;
            return 0;
        }
        uint32_t v = 0;
        for (int i = 0; i < width; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[pos_ + i])) << (8 * i);
        pos_ += width;
        return v;
    }
    uint16_t U16() { return static_cast<uint16_t>(U(2)); }
    uint32_t U32() { return U(4); }
    std::string Bytes(size_t n) {
        if (!ok_ || bytes_.size() - pos_ < n) {
            ok_ = false;
            return {};
        }
        std::string s = bytes_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    // A NUL-terminated ANSI string at `at`, which must lie before `end`.
    std::string CString(size_t at, size_t end) {
        if (!ok_ || at >= end || end > bytes_.size()) {
            ok_ = false;
            return {};
        }
        const size_t nul = bytes_.find('\0', at);
        if (nul == std::string::npos || nul >= end) {
            ok_ = false;
            return {};
        }
        return bytes_.substr(at, nul - at);
    }

private:
    const std::string& bytes_;
    size_t pos_ = 0;
    bool ok_ = true;
};

std::string ReadLinkInfoPath(Reader& r) {
    const size_t start = r.pos();
    const uint32_t size = r.U32();
    const uint32_t headerSize = r.U32();
    const uint32_t flags = r.U32();
    r.U32();  // VolumeID offset
    const uint32_t baseOffset = r.U32();
    r.U32();  // network location offset
    const uint32_t suffixOffset = r.U32();
    if (!r.ok() || size < headerSize || headerSize < kLinkInfoHeaderSize) {
        r.Seek(static_cast<size_t>(-1));
        return {};
    }
    const size_t end = start + size;
    std::string path;
    if (flags & kVolumeIdAndLocalBasePath) {
        path = r.CString(start + baseOffset, end);
        if (suffixOffset != 0) path += r.CString(start + suffixOffset, end);
    }
    r.Seek(end);
    return path;
}

std::string ReadString(Reader& r, bool unicode) {
    const uint16_t count = r.U16();
    if (!unicode) return r.Bytes(count);
    const std::string raw = r.Bytes(2 * static_cast<size_t>(count));
    std::u16string wide;
    for (size_t i = 0; i + 1 < raw.size(); i += 2)
        wide.push_back(static_cast<char16_t>(static_cast<uint8_t>(raw[i]) | (static_cast<uint8_t>(raw[i + 1]) << 8)));
    return WideCharToMultiByte(CP_ACP, wide);
}

}  // namespace

std::string EncodeShellLink(const ShellLinkData& link) {
    uint32_t flags = 0;
    if (!link.path.empty()) flags |= SLDF_HAS_LINK_INFO;
    if (!link.description.empty()) flags |= SLDF_HAS_NAME;
    if (!link.relativePath.empty()) flags |= SLDF_HAS_RELPATH;
    if (!link.workingDirectory.empty()) flags |= SLDF_HAS_WORKINGDIR;
    if (!link.arguments.empty()) flags |= SLDF_HAS_ARGS;
    if (!link.iconLocation.empty()) flags |= SLDF_HAS_ICONLOCATION;

    std::string out;
    Put32(out, kHeaderSize);
    out.append(reinterpret_cast<const char*>(kLinkClsid), sizeof kLinkClsid);
    Put32(out, flags);
    Put32(out, link.fileAttributes);
    out.append(24, '\0');  // creation, access and write times: unknown
    Put32(out, link.fileSize);
    Put32(out, static_cast<uint32_t>(link.iconIndex));
    Put32(out, static_cast<uint32_t>(link.showCommand));
    Put16(out, link.hotkey);
    out.append(10, '\0');  // reserved

    if (flags & SLDF_HAS_LINK_INFO) out += EncodeLinkInfo(link.path);
    if (flags & SLDF_HAS_NAME) PutString(out, link.description);
    if (flags & SLDF_HAS_RELPATH) PutString(out, link.relativePath);
    if (flags & SLDF_HAS_WORKINGDIR) PutString(out, link.workingDirectory);
    if (flags & SLDF_HAS_ARGS) PutString(out, link.arguments);
    if (flags & SLDF_HAS_ICONLOCATION) PutString(out, link.iconLocation);
    Put32(out, 0);  // terminal block
    return out;
}

std::optional<ShellLinkData> DecodeShellLink(const std::string& bytes) {
    Reader r(bytes);
    if (r.U32() != kHeaderSize) return std::nullopt;
    if (r.Bytes(16) != std::string(reinterpret_cast<const char*>(kLinkClsid), sizeof kLinkClsid)) return std::nullopt;
    ShellLinkData link;
    const uint32_t flags = r.U32();
    link.fileAttributes = r.U32();
    r.Bytes(24);
    link.fileSize = r.U32();
    link.iconIndex = static_cast<int32_t>(r.U32());
    link.showCommand = static_cast<int32_t>(r.U32());
    link.hotkey = r.U16();
    r.Bytes(10);

    if (flags & SLDF_HAS_ID_LIST) {
        const uint16_t idListSize = r.U16();
        r.Bytes(idListSize);
    }
    if (flags & SLDF_HAS_LINK_INFO) link.path = ReadLinkInfoPath(r);
    const bool unicode = flags & SLDF_UNICODE;
    if (flags & SLDF_HAS_NAME) link.description = ReadString(r, unicode);
    if (flags & SLDF_HAS_RELPATH) link.relativePath = ReadString(r, unicode);
    if (flags & SLDF_HAS_WORKINGDIR) link.workingDirectory = ReadString(r, unicode);
    if (flags & SLDF_HAS_ARGS) link.arguments = ReadString(r, unicode);
    if (flags & SLDF_HAS_ICONLOCATION) link.iconLocation = ReadString(r, unicode);
    if (!r.ok()) return std::nullopt;
    return link;
}

}  // namespace win32
