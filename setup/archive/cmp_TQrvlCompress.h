#pragma once
// TQrvlCompress: the engine that writes, reads, extracts, splits and copies
// the setup program's archives (file_headers.h describes the format).
//
//   TQrvlCompress engine(nullptr);
//   engine.SetCompressedFile("C:\\build\\files.1");
//   engine.FilesToProcess()->Add("C:\\src\\Quillery.exe");
//   engine.AddFiles(lzcOverwrite, 17);         // a new archive
//   engine.FilesToProcess()->Add("C:\\src\\Quillery.exe");
//   engine.SetExtractDirectory("C:\\Program Files\\Quillery");
//   engine.ExtractFiles();                      // by member name
//
// Every operation clears Abort when it starts and stops between blocks
// when it is set (EqcAborted, reported through OnAborted); pending window
// messages run once per block (support/pending_messages.h), which is how a
// Cancel button reaches Abort. Block sizes: compressed output 64 KB;
// inflate input 64 KB and output 4096 bytes; split and plain copies 8192
// bytes. Sizes and positions are 32-bit: archives and members stay below
// 2 GB. A failed operation leaves partly written files in place.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "archive/file_headers.h"
#include "archive/file_stats.h"
#include "support/cmp_TVersion.h"
#include "vcl/classes/component.h"
#include "vcl/classes/events.h"
#include "vcl/classes/filestream.h"
#include "vcl/classes/strings.h"

class TQrvlCompress;

enum TCompressionLevel { colNone, colFastest, colDefault, colMax };
// How AddFiles treats an existing archive: start anew, or add behind.
enum TlzhCommand { lzcOverwrite, lzcOnlyAdd };

using TlzhFileStatsEvent = TMethod<TQrvlCompress* /*QrvlCompress*/, const TlzhFileStats& /*FileStats*/>;
using TlzhNewDiskEvent = TMethod<TQrvlCompress* /*QrvlCompress*/, const int32_t /*DiskNumber*/, std::string& /*Path*/>;

// zlib's level for a compression level: 0, 1, -1 (its default) or 9.
int ZlibLevel(TCompressionLevel level);

inline constexpr int kUniqueIDCount = 2000;  // unique IDs 0..1999 are indexed

class TQrvlCompress : public TComponent {
public:
    explicit TQrvlCompress(TComponent* owner);
    ~TQrvlCompress() override;
    std::string ClassName() const override { return "TQrvlCompress"; }

    // Published properties.
    bool Abort() const { return abort_; }
    void SetAbort(bool abort) { abort_ = abort; }
    const std::string& CompressedFile() const { return compressedFile_; }
    // Another volume of the same split archive (the same name with another
    // extension, ignoring case) keeps the loaded headers; another archive
    // drops them.
    void SetCompressedFile(const std::string& value);
    TCompressionLevel CompressionLevel() const { return compressionLevel_; }
    void SetCompressionLevel(TCompressionLevel level) { compressionLevel_ = level; }
    const std::string& ExtractDirectory() const { return extractDirectory_; }
    void SetExtractDirectory(const std::string& directory) { extractDirectory_ = directory; }
    TStrings* FilesToProcess() const { return filesToProcess_; }
    // Copies `value` without its blank entries (which are removed from
    // `value` itself).
    void SetFilesToProcess(TStrings* value);
    int32_t Offset() const { return offset_; }
    void SetOffset(int32_t offset) { offset_ = offset; }
    TOverwriteType Overwrite() const { return overwrite_; }
    void SetOverwrite(TOverwriteType overwrite) { overwrite_ = overwrite; }

    TNotifyEvent OnAborted() const { return onAborted_; }
    void SetOnAborted(TNotifyEvent e) { onAborted_ = e; }
    TlzhFileStatsEvent OnAfterAdding() const { return onAfterAdding_; }
    void SetOnAfterAdding(TlzhFileStatsEvent e) { onAfterAdding_ = e; }
    TlzhFileStatsEvent OnBeforeAdding() const { return onBeforeAdding_; }
    void SetOnBeforeAdding(TlzhFileStatsEvent e) { onBeforeAdding_ = e; }
    TlzhFileStatsEvent OnBeforeExtracting() const { return onBeforeExtracting_; }
    void SetOnBeforeExtracting(TlzhFileStatsEvent e) { onBeforeExtracting_ = e; }
    TNotifyEvent OnFullDisk() const { return onFullDisk_; }
    void SetOnFullDisk(TNotifyEvent e) { onFullDisk_ = e; }
    TlzhFileStatsEvent OnListing() const { return onListing_; }
    void SetOnListing(TlzhFileStatsEvent e) { onListing_ = e; }
    TlzhNewDiskEvent OnNewDisk() const { return onNewDisk_; }
    void SetOnNewDisk(TlzhNewDiskEvent e) { onNewDisk_ = e; }
    TlzhFileStatsEvent OnReplace() const { return onReplace_; }
    void SetOnReplace(TlzhFileStatsEvent e) { onReplace_ = e; }
    TlzhFileStatsEvent OnStatus() const { return onStatus_; }
    void SetOnStatus(TlzhFileStatsEvent e) { onStatus_ = e; }

    // The name under which the next member is extracted; blank means the
    // member's own file name. Every extraction empties it again.
    const std::string& ExtractAsName() const { return extractAsName_; }
    void SetExtractAsName(const std::string& name) { extractAsName_ = name; }

    // Loads the header table of CompressedFile at Offset. EQrvlCompress
    // "Cannot open the compressed file %s", or the corrupt-archive text.
    void ReadHeaders();
    // Loads the headers first when needed (not after an add).
    int MemberCount();
    // A member's statistics with the archive totals. EQrvlCompress "Tried
    // to access the %dth file. This file is not defined".
    TlzhFileStats GetFileStats(int index);
    // The member carrying `id`, -1 for none or an ID outside 0..1999.
    int IndexOfUniqueID(int id);
    // OnListing once per member, in order.
    void ListFiles();
    // Adds every path of FilesToProcess as a member tagged with `uniqueID`,
    // to a new archive or (lzcOnlyAdd, when it exists) behind the members
    // of the existing one.
    void AddFiles(TlzhCommand appendMode, int32_t uniqueID);
    // Extracts every member named in FilesToProcess into ExtractDirectory
    // under the Overwrite rule, with the member's date.
    void ExtractFiles();
    // Copies the single-file archive CompressedFile into a split archive:
    // volume 1 is DestDir\ + the name part of `fileName` (which carries the
    // extension ".1"), the next ones are asked for through OnNewDisk.
    void SpanToDisks(const std::string& destDir, const std::string& fileName);
    // Copies a plain file under the Overwrite rule, with progress and the
    // source's date.
    void CopyPlainFile(const std::string& source, const std::string& dest);

    // Closes `stream` and opens volume `diskNumber` of the archive named by
    // `fileName` (in a split archive its extension becomes the number),
    // asking OnNewDisk for a missing one up to four times; `fileName`
    // becomes the path that was opened.
    void OpenVolume(std::unique_ptr<TFileStream>& stream, int diskNumber, uint16_t mode, std::string& fileName);
    // OnFullDisk when assigned, else EqcDiskFull "The disk is full".
    void DiskFull();

    // The header table as loaded (for tools and tests).
    const TFileHeaders& Headers() const { return headers_; }

private:
    enum class Mode { None, Adding, Extracting };

    void LoadHeadersWhenNeeded();
    void StatsFromHeader(const TFileHeaderRecord& header);
    void FireStatus(const TlzhFileStatsEvent& event);
    void CheckAbort();
    // Writes all of `data` (a short write goes to DiskFull, then once more).
    void WriteAll(TStream& stream, const void* data, int32_t count);
    void CompressMember(TFileHeader& header);
    void AddStatus(int64_t sourceBytesRead);
    void ExtractMember(const TFileHeaderRecord& header, const std::string& destination);
    void InflateMember(const TFileHeaderRecord& header, TStream& destination);
    // Copies one member's stream onto the volumes; `diskPath` is the
    // folder of the last disk request's answer.
    void SpanMember(TFileHeaderRecord& header, const std::string& fileName, std::string& diskPath);
    void CloseStreams();

    bool abort_ = false;
    std::string compressedFile_;
    TCompressionLevel compressionLevel_ = colMax;
    std::string extractDirectory_;
    TStrings* filesToProcess_;
    int32_t offset_ = 0;
    TOverwriteType overwrite_ = owAlways;
    TNotifyEvent onAborted_, onFullDisk_;
    TlzhFileStatsEvent onAfterAdding_, onBeforeAdding_, onBeforeExtracting_, onListing_, onReplace_, onStatus_;
    TlzhNewDiskEvent onNewDisk_;

    Mode mode_ = Mode::None;
    int currentDisk_ = 0;
    std::unique_ptr<TFileStream> dest_;
    bool headersLoaded_ = false;
    TlzhFileStats stats_;
    std::unique_ptr<TFileStream> source_;
    std::array<int, kUniqueIDCount> uniqueIndex_;
    std::string extractAsName_;
    TFileHeaders headers_;
};

// Declares TQrvlCompress to the class registry.
void RegisterQrvlCompressClasses();
