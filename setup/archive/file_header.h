#pragma once
// One member header of an archive: the 176-byte record that precedes each
// member's zlib stream (all integers little-endian, names as short
// strings: a length byte, the characters, the rest of the field zero).
//
//   0 int32 file number        24 short string[100] member name
//   4 reserved                128 int32 next header position
//   8 double date (TDateTime) 132 int32 size
//  16 uint8 end disk          136 int32 data start position
//  20 int32 end position      140 int32 compressed size
//                             144 uint8 start disk
//                             148 int32 unique ID
//                             152 short string[20] file version
//
// Positions are relative to the start of the archive (within the volume
// named by the disk numbers in a split archive, where disks 0 and 1 are the
// first volume).

#include <array>
#include <cstdint>
#include <string>

#include "vcl/classes/stream.h"
#include "vcl/system/datetime.h"

inline constexpr int32_t kFileHeaderSize = 176;
inline constexpr size_t kMaxMemberName = 100;
inline constexpr size_t kMaxMemberVersion = 20;

struct TFileHeaderRecord {
    int32_t FileNumber = 0;
    TDateTime Date = 0;
    uint8_t EndDisk = 0;
    int32_t EndPosition = 0;
    std::string Name;  // at most kMaxMemberName characters
    int32_t NextHeader = 0;
    int32_t Size = 0;
    int32_t DataStart = 0;
    int32_t CompressedSize = 0;
    uint8_t StartDisk = 0;
    int32_t UniqueID = 0;
    std::string Version;  // at most kMaxMemberVersion characters

    bool operator==(const TFileHeaderRecord&) const = default;
};

using TFileHeaderBytes = std::array<uint8_t, kFileHeaderSize>;
TFileHeaderBytes EncodeFileHeader(const TFileHeaderRecord& record);
// Lengths beyond a field are cut to the field.
TFileHeaderRecord DecodeFileHeader(const TFileHeaderBytes& bytes);

class TFileHeader {
public:
    TFileHeader() = default;
    // Made from a source entry (a path, optionally followed by ";" and more):
    // name, date, size and FileVersion of that file. EQrvlCompress
    // "Cannot open the file %s" when it cannot be read, and for a file of
    // 2 GB or more, which the 32-bit fields cannot describe.
    static TFileHeader FromSource(const std::string& entry);

    // 176 bytes at the stream's position; sets Loaded. EQrvlCompress with
    // the corrupt-archive text when fewer are there.
    void ReadFrom(TStream& stream);
    // EQrvlCompress "Could not write the file headers for the compressed
    // file" on a short write.
    void WriteTo(TStream& stream) const;
    // The member name, trimmed, is not empty.
    bool Valid() const;

    bool Loaded = false;  // read from an archive rather than made from a file
    TFileHeaderRecord Record;
};
