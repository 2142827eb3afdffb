#pragma once
// TFileHeaders: the header table of an archive in memory, and its reading
// and writing.
//
// Single-file archive: count (int32) and spanned flag 0 at the start, then
// each header directly followed by its member's data; the next header
// position of each header says where the next one starts. Split archive
// (flag 1): all headers one after the other from offset 5 of the first
// volume, then the members' data over the volumes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/file_header.h"
#include "archive/file_stats.h"
#include "vcl/classes/strings.h"

class TFileHeaders {
public:
    int Count() const { return static_cast<int>(headers_.size()); }
    // EQrvlCompress "%d is an invalid TFileHeader index in
    // TFileHeaders.GetFileHeaders" outside 0..Count-1.
    TFileHeader& GetFileHeaders(int index);
    const TFileHeader& GetFileHeaders(int index) const;

    // Only a valid header is added: EQrvlCompress "Tried to add an invalid
    // file header".
    void Add(TFileHeader header);
    void Clear() { headers_.clear(); }
    // Headers made from source entries, numbered 1, 2, ... in every call;
    // without `keepExisting` the table is emptied first.
    void AddSourceEntries(const TStrings& entries, bool keepExisting);
    // The first member named like the entry's path, ignoring case; -1 when
    // none is.
    int FindByName(const std::string& entry) const;

    // Sizes, compressed sizes and their ratio into `stats`; its running
    // totals and done flag are reset.
    void Totals(TlzhFileStats& stats) const;
    int64_t TotalSize() const;
    int64_t TotalCompressedSize() const;

    // Reads the table of the archive at `offset` of `stream`. A count or a
    // header position that does not fit the stream (or points backwards)
    // raises EQrvlCompress with the corrupt-archive text.
    void ReadTable(TStream& stream, int64_t offset);
    // Count and flag at position 0, and in a split archive every header,
    // each with its next header position set to its own position + 176.
    void WriteTable(TStream& stream);

    bool Spanned = false;

private:
    std::vector<TFileHeader> headers_;
};
