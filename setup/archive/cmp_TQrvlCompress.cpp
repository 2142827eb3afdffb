#include "archive/cmp_TQrvlCompress.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

#include "archive/archive_errors.h"
#include "support/build_cancel.h"
#include "support/pending_messages.h"
#include "support/routines_FileSystem.h"
#include "support/routines_Strings.h"
#include "vcl/classes/class_builder.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/ansistrings.h"
#include "vcl/system/convert.h"
#include "vcl/system/paths.h"
#include "vcl/system/strutils.h"

namespace {

constexpr int32_t kCompressedBlock = 65536;  // deflate output, inflate input
constexpr int32_t kInflateBlock = 4096;      // inflate output
constexpr int32_t kCopyBlock = 8192;         // split and plain copies
constexpr int64_t kMaxPosition = std::numeric_limits<int32_t>::max();
constexpr int kMaxVolume = 255;  // the disk numbers of a header are bytes

std::unique_ptr<TFileStream> OpenStream(const std::string& name, uint16_t mode) {
    return std::make_unique<TFileStream>(name, mode);
}

// ".1", ".2", ...: the extension of a split archive's volume (built
// without `"." + string`, which GCC 12 wrongly warns about at -O2).
std::string VolumeExtension(int disk) {
    std::string extension = IntToStr(disk);
    extension.insert(extension.begin(), '.');
    return extension;
}

// The file-name part of a name from an archive, so that no member can
// reach outside the extract directory ("/" is a delimiter to Windows too).
std::string SafeFileName(const std::string& name) {
    std::string part = ExtractFileName(name);
    return part.substr(part.find_last_of('/') == std::string::npos ? 0 : part.find_last_of('/') + 1);
}

// zlib copies deflate's input and inflate's output through its window.
// When a block and the window start at the same offset within a 4 KB page,
// every load of that copy aliases a store and stalls (a tenth of the
// extraction time in the benchmark), so those blocks are page-aligned
// (PageBlock) and zlib's memory starts half a page past a page boundary.
constexpr size_t kPage = 4096;
constexpr size_t kZlibShift = kPage / 2;

template <int32_t Size>
struct alignas(kPage) PageBlock {
    uint8_t bytes[Size];
};

voidpf ZlibAllocate(voidpf, uInt items, uInt size) {
    auto* block = static_cast<uint8_t*>(
        ::operator new(size_t(items) * size + kZlibShift, std::align_val_t(kPage), std::nothrow));
    return block ? block + kZlibShift : Z_NULL;
}

void ZlibFree(voidpf, voidpf address) {
    ::operator delete(static_cast<uint8_t*>(address) - kZlibShift, std::align_val_t(kPage));
}

// The zlib stream of one operation, ended on every way out.
class ZStream {
public:
    explicit ZStream(bool deflating) : deflating_(deflating) {
        stream_ = {};
        stream_.zalloc = ZlibAllocate;
        stream_.zfree = ZlibFree;
    }
    ~ZStream() {
        if (!started_) return;
        if (deflating_)
            deflateEnd(&stream_);
        else
            inflateEnd(&stream_);
    }
    ZStream(const ZStream&) = delete;
    ZStream& operator=(const ZStream&) = delete;

    void StartDeflate(int level) { Check(deflateInit(&stream_, level)); }
    void StartInflate() { Check(inflateInit(&stream_)); }
    z_stream* operator->() { return &stream_; }
    z_stream* get() { return &stream_; }

private:
    void Check(int result) {
        if (result != Z_OK) throw EQrvlCompress("error");
        started_ = true;
    }
    bool deflating_;
    bool started_ = false;
    z_stream stream_;
};

}  // namespace

int ZlibLevel(TCompressionLevel level) {
    static constexpr int kLevels[] = {0, 1, -1, 9};
    return kLevels[level];
}

TQrvlCompress::TQrvlCompress(TComponent* owner) : TComponent(owner), filesToProcess_(new TStringList) {
    uniqueIndex_.fill(-1);
}

TQrvlCompress::~TQrvlCompress() { delete filesToProcess_; }

void TQrvlCompress::SetCompressedFile(const std::string& value) {
    if (AnsiSameText(value, compressedFile_)) return;
    if (headersLoaded_ && !AnsiSameText(ChangeFileExt(value, ".1"), ChangeFileExt(compressedFile_, ".1")))
        headersLoaded_ = false;
    compressedFile_ = value;
}

void TQrvlCompress::SetFilesToProcess(TStrings* value) {
    for (int i = value->Count() - 1; i >= 0; --i)
        if (Trim(value->Strings(i)).empty()) value->Delete(i);
    filesToProcess_->Assign(value);
}

void TQrvlCompress::ReadHeaders() {
    headersLoaded_ = false;
    std::unique_ptr<TFileStream> file;
    try {
        if (!FileExists(compressedFile_)) throw EFOpenError("missing");
        file = OpenStream(compressedFile_, fmOpenRead | fmShareDenyNone);
    } catch (const EStreamError&) {
        throw EQrvlCompress("Cannot open the compressed file %s", {compressedFile_});
    }
    uniqueIndex_.fill(-1);
    try {
        headers_.ReadTable(*file, offset_);
    } catch (const Exception&) {
        headers_.Clear();
        throw EQrvlCompress(kCorruptArchiveMessage);
    }
    for (int i = 0; i < headers_.Count(); ++i) {
        const int32_t id = headers_.GetFileHeaders(i).Record.UniqueID;
        if (id >= 0 && id < kUniqueIDCount) uniqueIndex_[size_t(id)] = i;
    }
    headersLoaded_ = true;
}

void TQrvlCompress::LoadHeadersWhenNeeded() {
    if (!headersLoaded_ && mode_ != Mode::Adding) ReadHeaders();
}

int TQrvlCompress::MemberCount() {
    LoadHeadersWhenNeeded();
    return headers_.Count();
}

TlzhFileStats TQrvlCompress::GetFileStats(int index) {
    LoadHeadersWhenNeeded();
    if (index < 0 || index >= headers_.Count())
        throw EQrvlCompress("Tried to access the %dth file. This file is not defined", {index});
    headers_.Totals(stats_);
    StatsFromHeader(headers_.GetFileHeaders(index).Record);
    return stats_;
}

int TQrvlCompress::IndexOfUniqueID(int id) {
    if (!headersLoaded_) ReadHeaders();
    return id >= 0 && id < kUniqueIDCount ? uniqueIndex_[size_t(id)] : -1;
}

void TQrvlCompress::ListFiles() {
    const int count = MemberCount();
    for (int i = 0; i < count; ++i) {
        const TlzhFileStats stats = GetFileStats(i);
        if (onListing_) onListing_(this, stats);
    }
}

void TQrvlCompress::StatsFromHeader(const TFileHeaderRecord& header) {
    stats_.FileName = header.Name;
    stats_.FileSize = header.Size;
    stats_.BytesDone = 0;
    stats_.FilePercentDone = 0;
    stats_.PackedSize = header.CompressedSize;
    stats_.PackRatio = PercentByte(header.CompressedSize, header.Size);
    stats_.Header = header;
}

void TQrvlCompress::FireStatus(const TlzhFileStatsEvent& event) {
    if (event) event(this, stats_);
}

void TQrvlCompress::CheckAbort() {
    if (abort_) throw EqcAborted("Operation aborted by user");
}

void TQrvlCompress::WriteAll(TStream& stream, const void* data, int32_t count) {
    const char* bytes = static_cast<const char*>(data);
    int32_t written = stream.Write(bytes, count);
    if (written == count) return;
    DiskFull();
    // The handler may have made room; what still does not fit is an error,
    // so that no member is silently cut short.
    if (stream.Write(bytes + written, count - written) != count - written) throw EqcDiskFull("The disk is full");
}

void TQrvlCompress::DiskFull() {
    if (!onFullDisk_) throw EqcDiskFull("The disk is full");
    onFullDisk_(this);
}

void TQrvlCompress::CloseStreams() {
    dest_.reset();
    source_.reset();
}

namespace {
// Runs the engine's error rules around an operation: EqcAborted goes to
// OnAborted, EAbort ends quietly (unless `abortIsError`), anything else
// sets Abort and passes on.
template <class Body, class Cleanup>
void RunOperation(TQrvlCompress& engine, bool abortIsError, Body body, Cleanup cleanup) {
    try {
        body();
    } catch (const EqcAborted&) {
        cleanup();
        if (engine.OnAborted()) engine.OnAborted()(&engine);
        return;
    } catch (const EAbort&) {
        cleanup();
        if (!abortIsError) return;
        engine.SetAbort(true);
        throw;
    } catch (...) {
        cleanup();
        engine.SetAbort(true);
        throw;
    }
    cleanup();
}
}  // namespace

void TQrvlCompress::AddFiles(TlzhCommand appendMode, int32_t uniqueID) {
    abort_ = false;
    mode_ = Mode::Adding;
    offset_ = 0;
    headers_.Spanned = false;
    RunOperation(
        *this, false,
        [&] {
            const std::string dir = ExtractFileDir(compressedFile_);
            if (!dir.empty()) ForceDirectories(dir);
            const bool append = appendMode == lzcOnlyAdd && FileExists(compressedFile_);
            // The headers are made (and every source checked) before an
            // existing archive is emptied.
            if (!append) headers_.AddSourceEntries(*filesToProcess_, false);
            try {
                dest_ = OpenStream(compressedFile_, append ? fmOpenReadWrite | fmShareDenyNone : fmCreate);
            } catch (const EStreamError&) {
                throw EQrvlCompress("Cannot create the file %s", {compressedFile_});
            }
            if (append) {
                headers_.ReadTable(*dest_, 0);
                headers_.AddSourceEntries(*filesToProcess_, true);
            }
            headers_.WriteTable(*dest_);
            dest_->Seek(0, soEnd);
            headers_.Totals(stats_);
            stats_.TotalPackedSize = 0;
            for (int i = 0; i < headers_.Count(); ++i) {
                TFileHeader& header = headers_.GetFileHeaders(i);
                if (header.Loaded) continue;
                CompressMember(header);
                header.Record.UniqueID = uniqueID;
                if (uniqueID >= 0 && uniqueID < kUniqueIDCount) uniqueIndex_[size_t(uniqueID)] = i;
                const int64_t end = dest_->Position();
                dest_->SetPosition(end - header.Record.CompressedSize - kFileHeaderSize);
                header.WriteTo(*dest_);
                dest_->Seek(0, soEnd);
                StatsFromHeader(header.Record);
                FireStatus(onAfterAdding_);
            }
            headersLoaded_ = false;
        },
        [&] {
            CloseStreams();
            filesToProcess_->Clear();
        });
}

void TQrvlCompress::CompressMember(TFileHeader& header) {
    TFileHeaderRecord& r = header.Record;
    try {
        source_ = OpenStream(r.Name, fmOpenRead | fmShareDenyNone);
    } catch (const EStreamError&) {
        throw EQrvlCompress("Cannot open the file %s", {r.Name});
    }
    const int64_t position = dest_->Position();
    header.WriteTo(*dest_);
    r.DataStart = static_cast<int32_t>(dest_->Position());
    StatsFromHeader(r);
    stats_.PackedSize = 0;
    FireStatus(onBeforeAdding_);

    ZStream z(true);
    z.StartDeflate(ZlibLevel(compressionLevel_));
    const auto inputBlock = std::make_unique<PageBlock<kCompressedBlock>>();
    uint8_t* const input = inputBlock->bytes;
    std::vector<uint8_t> output(kCompressedBlock);
    int64_t readSinceStatus = 0, packed = 0;
    z->next_out = output.data();
    z->avail_out = kCompressedBlock;
    // Writes the output gathered so far and reports it.
    auto flushOutput = [&] {
        const int32_t count = kCompressedBlock - int32_t(z->avail_out);
        if (position + kFileHeaderSize + packed + count > kMaxPosition)
            throw EQrvlCompress("The archive %s would reach 2 GB; an archive must stay smaller", {compressedFile_});
        WriteAll(*dest_, output.data(), count);
        packed += count;
        stats_.PackedSize = static_cast<int32_t>(packed);
        z->next_out = output.data();
        z->avail_out = kCompressedBlock;
        AddStatus(std::exchange(readSinceStatus, 0));
    };
    int flush = Z_NO_FLUSH;
    // Never more than the size in the header is read: a source that grows
    // while it is read (the archive itself, added to itself) would
    // otherwise be followed to the 2 GB limit.
    while (flush != Z_FINISH) {
        const int64_t left = int64_t(r.Size) - source_->Position();
        const int32_t n = left > 0 ? source_->Read(input, int32_t(std::min<int64_t>(left, kCompressedBlock))) : 0;
        readSinceStatus += n;
        if (n == 0) flush = Z_FINISH;
        z->next_in = input;
        z->avail_in = uInt(n);
        for (;;) {
            const int result = deflate(z.get(), flush);
            if (result == Z_STREAM_ERROR) throw EQrvlCompress("error");
            if (z->avail_out == 0) {
                flushOutput();
                continue;
            }
            if (flush != Z_FINISH || result == Z_STREAM_END) break;
        }
    }
    if (source_->Position() != r.Size || source_->Size() != r.Size)
        throw EQrvlCompress("The file %s changed while it was added to the archive", {r.Name});
    flushOutput();  // the last, partial block: the call "at the end"
    source_.reset();

    stats_.PackRatio = PercentByte(packed, r.Size);
    stats_.Done = true;
    AddStatus(0);
    stats_.Done = false;
    stats_.TotalPackedSize += static_cast<int32_t>(packed);
    const int64_t after = dest_->Position();
    r.EndPosition = static_cast<int32_t>(after - 1);
    r.NextHeader = static_cast<int32_t>(after);
    r.CompressedSize = static_cast<int32_t>(packed);
}

void TQrvlCompress::AddStatus(int64_t sourceBytesRead) {
    CheckAbort();
    ProcessPendingMessages();
    if (!dest_) throw EQrvlCompress("AddStatus has Nil DestFile");
    stats_.TotalBytesDone += static_cast<int32_t>(sourceBytesRead);
    stats_.BytesDone = source_ ? static_cast<int32_t>(source_->Position()) : stats_.FileSize;
    stats_.FilePercentDone = PercentByte(stats_.BytesDone, stats_.FileSize);
    stats_.TotalPercentDone = PercentByte(stats_.TotalBytesDone, stats_.TotalUnpackedSize);
    FireStatus(onStatus_);
}

void TQrvlCompress::ExtractFiles() {
    abort_ = false;
    mode_ = Mode::Extracting;
    RunOperation(
        *this, false,
        [&] {
            if (!headersLoaded_) ReadHeaders();
            currentDisk_ = 0;
            headers_.Totals(stats_);
            for (int e = 0; e < filesToProcess_->Count(); ++e) {
                const std::string entry = filesToProcess_->Strings(e);
                const int index = headers_.FindByName(entry);
                if (index < 0)
                    throw EQrvlCompress("The file <%s> was not found in the archive <%s>", {entry, compressedFile_});
                const TFileHeaderRecord header = headers_.GetFileHeaders(index).Record;
                StatsFromHeader(header);
                if (Trim(extractAsName_).empty()) extractAsName_ = SafeFileName(header.Name);
                FireStatus(onBeforeExtracting_);
                extractAsName_ = SafeFileName(extractAsName_);
                std::string destination = AddTrailingBackslash(extractDirectory_) + extractAsName_;
                bool write = true;
                if (FileExists(destination)) {
                    const int decision = IsFileNewerByVersion(header.Version, destination, overwrite_, header.Date);
                    if (decision == kCompareFailed) throw EQrvlCompress("Error comparing file versions in TQrvlCompress");
                    write = decision == kCompareReplace || decision == kCompareAsk;
                    if (write && onReplace_) {
                        FireStatus(onReplace_);
                        extractAsName_ = SafeFileName(extractAsName_);
                        destination = AddTrailingBackslash(extractDirectory_) + extractAsName_;
                    }
                }
                if (write) {
                    ExtractMember(header, destination);
                } else {
                    stats_.Done = true;
                    FireStatus(onStatus_);
                }
                stats_.Done = false;
                extractAsName_.clear();
            }
        },
        [&] {
            filesToProcess_->Clear();
            extractAsName_.clear();
            CloseStreams();
        });
}

void TQrvlCompress::ExtractMember(const TFileHeaderRecord& header, const std::string& destination) {
    const int startDisk = std::max<int>(header.StartDisk, 1);
    OpenVolume(source_, startDisk, fmOpenRead | fmShareDenyNone, compressedFile_);
    currentDisk_ = startDisk;
    const std::string dir = ExtractFileDir(destination);
    if (!dir.empty()) ForceDirectories(dir);
    try {
        dest_ = OpenStream(destination, fmCreate);
    } catch (const EStreamError&) {
        throw EQrvlCompress("Cannot create the file %s", {destination});
    }
    if (header.DataStart < 0) throw EQrvlCompress(kCorruptArchiveMessage);
    source_->SetPosition(int64_t(offset_) + header.DataStart);
    InflateMember(header, *dest_);
    stats_.Done = true;
    FireStatus(onStatus_);
    if (dest_->Size() != header.Size) throw EQrvlCompress(
        "The decompressed file's size does not match with the actual size of the file.  The file is %s", {header.Name});
    // The date is set through the closed file: the stream holds it without
    // sharing.
    dest_.reset();
    source_.reset();
    if (!WriteFileDate(destination, header.Date)) throw EQrvlCompress("Cannot set the date of the file just extracted.");
}

void TQrvlCompress::InflateMember(const TFileHeaderRecord& header, TStream& destination) {
    const int endDisk = std::max<int>(header.EndDisk, 1);
    if (endDisk < currentDisk_) throw EQrvlCompress(kCorruptArchiveMessage);
    const auto sizeMismatch = [&] {
        return EQrvlCompress(
            "The decompressed file's size does not match with the actual size of the file.  The file is %s",
            {header.Name});
    };
    ZStream z(false);
    z.StartInflate();
    std::vector<uint8_t> input(kCompressedBlock);
    const auto block = std::make_unique<PageBlock<kInflateBlock>>();
    uint8_t* const output = block->bytes;
    bool ended = false;
    // Reads the next input; on the end disk never past the member's end.
    auto readInput = [&]() -> int32_t {
        int64_t want = kCompressedBlock;
        if (currentDisk_ == endDisk)
            want = std::clamp<int64_t>(int64_t(offset_) + header.EndPosition + 1 - source_->Position(), 0, want);
        const int32_t n = want > 0 ? source_->Read(input.data(), int32_t(want)) : 0;
        z->next_in = input.data();
        z->avail_in = uInt(n);
        return n;
    };
    while (!ended) {
        z->next_out = output;
        z->avail_out = kInflateBlock;
        while (z->avail_out > 0) {
            const bool exhausted = z->avail_in == 0 && readInput() == 0;
            const uInt before = z->avail_out;
            const int result = inflate(z.get(), Z_NO_FLUSH);
            if (result == Z_STREAM_END) {
                ended = true;
                break;
            }
            if (result == Z_BUF_ERROR || (exhausted && z->avail_out == before)) break;
            if (result != Z_OK) throw EQrvlCompress("error");
        }
        const int32_t produced = kInflateBlock - int32_t(z->avail_out);
        CheckAbort();
        ProcessPendingMessages();
        // A stream that inflates past the recorded size is refused before
        // its excess is written.
        if (int64_t(stats_.BytesDone) + produced > header.Size) throw sizeMismatch();
        if (produced > 0) {
            WriteAll(destination, output, produced);
            stats_.BytesDone += produced;
            stats_.TotalBytesDone += produced;
            stats_.FilePercentDone = PercentByte(stats_.BytesDone, stats_.FileSize);
            stats_.TotalPercentDone = PercentByte(stats_.TotalBytesDone, stats_.TotalUnpackedSize);
            FireStatus(onStatus_);
        } else if (!ended) {
            if (currentDisk_ >= endDisk) break;
            ++currentDisk_;
            OpenVolume(source_, currentDisk_, fmOpenRead | fmShareDenyNone, compressedFile_);
            source_->SetPosition(0);
        }
    }
    if (!ended) {
        if (stats_.BytesDone != header.Size) throw sizeMismatch();
        throw EQrvlCompress("error");  // complete data, but the stream's checksum is missing
    }
}

void TQrvlCompress::OpenVolume(std::unique_ptr<TFileStream>& stream, int diskNumber, uint16_t mode,
                               std::string& fileName) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        stream.reset();
        if (headers_.Spanned) fileName = ChangeFileExt(fileName, VolumeExtension(diskNumber));
        if (!FileExists(fileName)) {
            if (!onNewDisk_) throw EQrvlCompress("Could not open the correct disk file %d", {diskNumber});
            std::string path = ExtractFileDir(fileName);
            onNewDisk_(this, diskNumber, path);
            fileName = AddTrailingBackslash(path) + ExtractFileName(fileName);
        }
        if (FileExists(fileName)) {
            try {
                stream = OpenStream(fileName, mode);
            } catch (const EStreamError&) {
                throw EQrvlCompress("Cannot open the compressed file %s", {fileName});
            }
            return;
        }
    }
    throw EQrvlCompress("Cannot open the compressed file %s", {fileName});
}

void TQrvlCompress::SpanToDisks(const std::string& destDir, const std::string& fileName) {
    abort_ = false;
    RunOperation(
        *this, true,
        [&] {
            if (!headersLoaded_) ReadHeaders();
            currentDisk_ = 1;
            headers_.Spanned = true;
            headers_.Totals(stats_);
            try {
                source_ = OpenStream(compressedFile_, fmOpenRead | fmShareDenyNone);
            } catch (const EStreamError&) {
                throw EQrvlCompress("Cannot open the compressed file %s", {compressedFile_});
            }
            std::string firstVolume = AddTrailingBackslash(destDir) + ExtractFileName(fileName);
            try {
                dest_ = OpenStream(firstVolume, fmCreate);
            } catch (const EStreamError&) {
                throw EQrvlCompress("Cannot create the file %s", {firstVolume});
            }
            headers_.WriteTable(*dest_);
            std::string diskPath = destDir;
            for (int i = 0; i < headers_.Count(); ++i) SpanMember(headers_.GetFileHeaders(i).Record, fileName, diskPath);
            OpenVolume(dest_, 1, fmOpenReadWrite | fmShareDenyNone, firstVolume);
            headers_.WriteTable(*dest_);
        },
        // The loaded table now describes the volumes, not CompressedFile.
        [&] {
            CloseStreams();
            headersLoaded_ = false;
        });
}

void TQrvlCompress::SpanMember(TFileHeaderRecord& header, const std::string& fileName, std::string& diskPath) {
    StatsFromHeader(header);
    const int64_t length = int64_t(header.EndPosition) - header.DataStart + 1;
    if (header.DataStart < 0 || length < 0) throw EQrvlCompress(kCorruptArchiveMessage);
    source_->SetPosition(int64_t(offset_) + header.DataStart);
    header.DataStart = static_cast<int32_t>(dest_->Position());
    header.StartDisk = static_cast<uint8_t>(currentDisk_);
    std::vector<char> block(kCopyBlock);
    for (int64_t remaining = length; remaining > 0;) {
        CheckAbort();
        const int32_t n = source_->Read(block.data(), int32_t(std::min<int64_t>(kCopyBlock, remaining)));
        ProcessPendingMessages();
        if (n == 0) throw EQrvlCompress(kCorruptArchiveMessage);  // the archive ends inside the member
        const int32_t written = dest_->Write(block.data(), n);
        if (written < n) {
            dest_.reset();
            if (++currentDisk_ > kMaxVolume)
                throw EQrvlCompress("A split archive cannot have more than %d volumes", {kMaxVolume});
            if (!onNewDisk_)
                throw EQrvlCompress(
                    "There was no event handler for the OnNewDisk event, therefore no new disk could be inserted");
            onNewDisk_(this, currentDisk_, diskPath);
            const std::string volume =
                AddTrailingBackslash(diskPath) + ChangeFileExt(ExtractFileName(fileName), VolumeExtension(currentDisk_));
            try {
                dest_ = OpenStream(volume, fmCreate);
            } catch (const EStreamError&) {
                throw EQrvlCompress("Cannot create the file %s", {volume});
            }
            if (dest_->Write(block.data() + written, n - written) != n - written)
                throw EQrvlCompress("There is too little space on this disk to operate");
        }
        remaining -= n;
        stats_.BytesDone += n;
        stats_.TotalBytesDone += n;
        stats_.FilePercentDone = PercentByte(stats_.BytesDone, stats_.PackedSize);
        stats_.TotalPercentDone = PercentByte(stats_.TotalBytesDone, stats_.TotalPackedSize);
        FireStatus(onStatus_);
    }
    header.EndPosition = static_cast<int32_t>(dest_->Position() - 1);
    header.EndDisk = static_cast<uint8_t>(currentDisk_);
}

void TQrvlCompress::CopyPlainFile(const std::string& source, const std::string& dest) {
    abort_ = false;
    offset_ = 0;
    extractDirectory_ = ExtractFileDir(dest);
    extractAsName_ = ExtractFileName(dest);
    std::string destination = dest;
    try {
        if (FileExists(destination)) {
            const int decision = IsFileNewerByName(source, destination, overwrite_);
            if (decision == kCompareFailed) throw EQrvlCompress("Error comparing file versions in TQrvlCompress");
            if (decision == kCompareSame || decision == kCompareKeep) {
                extractAsName_.clear();
                return;
            }
            if (onReplace_) {
                FireStatus(onReplace_);
                destination = AddTrailingBackslash(extractDirectory_) + extractAsName_;
            }
        }
        stats_ = TlzhFileStats();
        stats_.FileName = source;
        const std::optional<TDateTime> date = ReadFileDate(source);
        try {
            source_ = OpenStream(source, fmOpenRead | fmShareDenyNone);
        } catch (const EStreamError&) {
            throw EQrvlCompress("Cannot open the file %s", {source});
        }
        if (!date || source_->Size() > kMaxPosition)
            throw EQrvlCompress(date ? "The file %s is 2 GB or larger; an archive holds only smaller files"
                                     : "Cannot open the file %s",
                                {source});
        stats_.FileSize = static_cast<int32_t>(source_->Size());
        if (!extractDirectory_.empty()) ForceDirectories(extractDirectory_);
        try {
            dest_ = OpenStream(destination, fmCreate);
        } catch (const EStreamError&) {
            throw EQrvlCompress("Cannot create the file %s", {destination});
        }
        std::vector<char> block(kCopyBlock);
        for (;;) {
            if (abort_) break;
            if (BuildCancelled()) throw EUserAbortInstall("Creating Install Aborted!");
            const int32_t n = source_->Read(block.data(), kCopyBlock);
            WriteAll(*dest_, block.data(), n);
            stats_.BytesDone += n;
            stats_.TotalBytesDone += n;
            stats_.FilePercentDone = stats_.TotalPercentDone = PercentByte(stats_.BytesDone, stats_.FileSize);
            FireStatus(onStatus_);
            ProcessPendingMessages();
            if (n < kCopyBlock) {
                CloseStreams();
                if (!WriteFileDate(destination, *date))
                    throw EQrvlCompress("Cannot set the date of the file just extracted.");
                stats_.Done = true;
                FireStatus(onStatus_);
                break;
            }
        }
    } catch (...) {
        CloseStreams();
        extractAsName_.clear();
        throw;
    }
    CloseStreams();
    extractAsName_.clear();
}

void RegisterQrvlCompressClasses() {
    using C = TQrvlCompress;
    RegisterClass(
        DeclareClass<C, TComponent>("TQrvlCompress")
            .Boolean("Abort", &C::Abort, &C::SetAbort, false)
            .String("CompressedFile", &C::CompressedFile, &C::SetCompressedFile)
            .Enum("CompressionLevel", {"colNone", "colFastest", "colDefault", "colMax"}, &C::CompressionLevel,
                  &C::SetCompressionLevel, colMax)
            .String("ExtractDirectory", &C::ExtractDirectory, &C::SetExtractDirectory)
            .Strings("FilesToProcess", [](C& c) { return c.FilesToProcess(); })
            .Integer("Offset", &C::Offset, &C::SetOffset, 0)
            .Enum("Overwrite", {"owAlways", "owNever", "owVersion", "owDate", "owVersionDate", "owAsk"},
                  &C::Overwrite, &C::SetOverwrite, owAlways)
            .Event<TNotifyEvent>("OnAborted", &C::OnAborted, &C::SetOnAborted)
            .Event<TlzhFileStatsEvent>("OnAfterAdding", &C::OnAfterAdding, &C::SetOnAfterAdding)
            .Event<TlzhFileStatsEvent>("OnBeforeAdding", &C::OnBeforeAdding, &C::SetOnBeforeAdding)
            .Event<TlzhFileStatsEvent>("OnBeforeExtracting", &C::OnBeforeExtracting, &C::SetOnBeforeExtracting)
            .Event<TNotifyEvent>("OnFullDisk", &C::OnFullDisk, &C::SetOnFullDisk)
            .Event<TlzhFileStatsEvent>("OnListing", &C::OnListing, &C::SetOnListing)
            .Event<TlzhNewDiskEvent>("OnNewDisk", &C::OnNewDisk, &C::SetOnNewDisk)
            .Event<TlzhFileStatsEvent>("OnReplace", &C::OnReplace, &C::SetOnReplace)
            .Event<TlzhFileStatsEvent>("OnStatus", &C::OnStatus, &C::SetOnStatus));
}
