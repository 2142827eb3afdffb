#include "archive/file_headers.h"

#include "archive/archive_errors.h"
#include "support/routines_Strings.h"
#include "vcl/system/ansistrings.h"

TFileHeader& TFileHeaders::GetFileHeaders(int index) {
    if (index < 0 || index >= Count())
        throw EQrvlCompress("%d is an invalid TFileHeader index in TFileHeaders.GetFileHeaders", {index});
    return headers_[static_cast<size_t>(index)];
}

const TFileHeader& TFileHeaders::GetFileHeaders(int index) const {
    return const_cast<TFileHeaders*>(this)->GetFileHeaders(index);
}

void TFileHeaders::Add(TFileHeader header) {
    if (!header.Valid()) throw EQrvlCompress("Tried to add an invalid file header");
    headers_.push_back(std::move(header));
}

void TFileHeaders::AddSourceEntries(const TStrings& entries, bool keepExisting) {
    // Made first and added together, so that a missing file leaves the
    // table as it was.
    std::vector<TFileHeader> made;
    for (int i = 0; i < entries.Count(); ++i) {
        made.push_back(TFileHeader::FromSource(entries.Strings(i)));
        made.back().Record.FileNumber = i + 1;
        if (!made.back().Valid()) throw EQrvlCompress("Tried to add an invalid file header");
    }
    if (!keepExisting) Clear();
    for (TFileHeader& header : made) Add(std::move(header));
}

int TFileHeaders::FindByName(const std::string& entry) const {
    const std::string name = EntryPath(entry);
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(headers_[size_t(i)].Record.Name, name)) return i;
    return -1;
}

int64_t TFileHeaders::TotalSize() const {
    int64_t total = 0;
    for (const TFileHeader& h : headers_) total += h.Record.Size;
    return total;
}

int64_t TFileHeaders::TotalCompressedSize() const {
    int64_t total = 0;
    for (const TFileHeader& h : headers_) total += h.Record.CompressedSize;
    return total;
}

void TFileHeaders::Totals(TlzhFileStats& stats) const {
    // The record's fields are 32-bit: the engine keeps archives below 2 GB.
    stats.TotalUnpackedSize = static_cast<int32_t>(TotalSize());
    stats.TotalPackedSize = static_cast<int32_t>(TotalCompressedSize());
    stats.TotalPackRatio = PercentByte(TotalCompressedSize(), TotalSize());
    stats.TotalBytesDone = 0;
    stats.TotalPercentDone = 0;
    stats.Done = false;
}

void TFileHeaders::ReadTable(TStream& stream, int64_t offset) {
    Clear();
    stream.SetPosition(offset);
    uint8_t start[5];
    if (stream.Read(start, 5) != 5) throw EQrvlCompress("Could not read the file header count for the compressed file");
    const int32_t count = int32_t(uint32_t(start[0]) | uint32_t(start[1]) << 8 | uint32_t(start[2]) << 16 |
                                  uint32_t(start[3]) << 24);
    Spanned = start[4] != 0;
    // Every header takes 176 bytes after the first five: a count that the
    // stream cannot hold is refused before anything is read.
    const int64_t available = stream.Size() - offset - 5;
    if (count < 0 || count > available / kFileHeaderSize) throw EQrvlCompress(kCorruptArchiveMessage);
    headers_.reserve(static_cast<size_t>(count));
    int64_t position = 5;
    for (int32_t i = 0; i < count; ++i) {
        stream.SetPosition(offset + position);
        TFileHeader header;
        header.ReadFrom(stream);
        Add(std::move(header));
        // The next header lies at or after the end of this one, and inside
        // the stream (the last one may point at the very end).
        const int64_t next = headers_.back().Record.NextHeader;
        if (next < position + kFileHeaderSize || offset + next > stream.Size())
            throw EQrvlCompress(kCorruptArchiveMessage);
        position = next;
    }
}

void TFileHeaders::WriteTable(TStream& stream) {
    stream.SetPosition(0);
    const int32_t count = Count();
    const uint8_t start[5] = {uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16), uint8_t(count >> 24),
                              uint8_t(Spanned ? 1 : 0)};
    if (stream.Write(start, 5) != 5) throw EQrvlCompress("Could not write the file headers for the compressed file");
    if (!Spanned) return;
    for (int i = 0; i < count; ++i) {
        headers_[size_t(i)].Record.NextHeader = 5 + (i + 1) * kFileHeaderSize;
        headers_[size_t(i)].WriteTo(stream);
    }
}
