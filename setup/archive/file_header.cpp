#include "archive/file_header.h"

#include <bit>
#include <cstring>
#include <limits>

#include "archive/archive_errors.h"
#include "support/cmp_TVersion.h"
#include "support/routines_FileSystem.h"
#include "support/routines_Strings.h"
#include "vcl/classes/filestream.h"
#include "vcl/system/strutils.h"

namespace {

void PutInt(TFileHeaderBytes& b, size_t at, uint64_t value, size_t size) {
    for (size_t i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
uint64_t GetInt(const TFileHeaderBytes& b, size_t at, size_t size) {
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= uint64_t(b[at + i]) << (8 * i);
    return value;
}
void PutShortString(TFileHeaderBytes& b, size_t at, const std::string& text, size_t max) {
    const size_t length = std::min(text.size(), max);
    b[at] = static_cast<uint8_t>(length);
    std::memcpy(&b[at + 1], text.data(), length);
}
std::string GetShortString(const TFileHeaderBytes& b, size_t at, size_t max) {
    const size_t length = std::min<size_t>(b[at], max);
    return std::string(reinterpret_cast<const char*>(&b[at + 1]), length);
}

}  // namespace

TFileHeaderBytes EncodeFileHeader(const TFileHeaderRecord& r) {
    TFileHeaderBytes b{};
    PutInt(b, 0, uint32_t(r.FileNumber), 4);
    PutInt(b, 8, std::bit_cast<uint64_t>(r.Date), 8);
    b[16] = r.EndDisk;
    PutInt(b, 20, uint32_t(r.EndPosition), 4);
    PutShortString(b, 24, r.Name, kMaxMemberName);
    PutInt(b, 128, uint32_t(r.NextHeader), 4);
    PutInt(b, 132, uint32_t(r.Size), 4);
    PutInt(b, 136, uint32_t(r.DataStart), 4);
    PutInt(b, 140, uint32_t(r.CompressedSize), 4);
    b[144] = r.StartDisk;
    PutInt(b, 148, uint32_t(r.UniqueID), 4);
    PutShortString(b, 152, r.Version, kMaxMemberVersion);
    return b;
}

TFileHeaderRecord DecodeFileHeader(const TFileHeaderBytes& b) {
    TFileHeaderRecord r;
    r.FileNumber = int32_t(GetInt(b, 0, 4));
    r.Date = std::bit_cast<double>(GetInt(b, 8, 8));
    r.EndDisk = b[16];
    r.EndPosition = int32_t(GetInt(b, 20, 4));
    r.Name = GetShortString(b, 24, kMaxMemberName);
    r.NextHeader = int32_t(GetInt(b, 128, 4));
    r.Size = int32_t(GetInt(b, 132, 4));
    r.DataStart = int32_t(GetInt(b, 136, 4));
    r.CompressedSize = int32_t(GetInt(b, 140, 4));
    r.StartDisk = b[144];
    r.UniqueID = int32_t(GetInt(b, 148, 4));
    r.Version = GetShortString(b, 152, kMaxMemberVersion);
    return r;
}

TFileHeader TFileHeader::FromSource(const std::string& entry) {
    TFileHeader header;
    const std::string path = EntryPath(entry);
    header.Record.Name = path.substr(0, kMaxMemberName);
    int64_t size = 0;
    try {
        TFileStream file(path, fmOpenRead | fmShareDenyNone);
        size = file.Size();
    } catch (const EStreamError&) {
        throw EQrvlCompress("Cannot open the file %s", {path});
    }
    if (size > std::numeric_limits<int32_t>::max())
        throw EQrvlCompress("The file %s is 2 GB or larger; an archive holds only smaller files", {path});
    const std::optional<TDateTime> date = ReadFileDate(path);
    if (!date) throw EQrvlCompress("Cannot open the file %s", {path});
    header.Record.Date = *date;
    header.Record.Size = static_cast<int32_t>(size);
    VersionReader().SetFileName(path);
    header.Record.Version = VersionReader().VersionInfo()->FileVersion.substr(0, kMaxMemberVersion);
    return header;
}

void TFileHeader::ReadFrom(TStream& stream) {
    TFileHeaderBytes bytes;
    if (stream.Read(bytes.data(), kFileHeaderSize) != kFileHeaderSize) throw EQrvlCompress(kCorruptArchiveMessage);
    Record = DecodeFileHeader(bytes);
    Loaded = true;
}

void TFileHeader::WriteTo(TStream& stream) const {
    const TFileHeaderBytes bytes = EncodeFileHeader(Record);
    if (stream.Write(bytes.data(), kFileHeaderSize) != kFileHeaderSize)
        throw EQrvlCompress("Could not write the file headers for the compressed file");
}

bool TFileHeader::Valid() const { return !Trim(Record.Name).empty(); }
