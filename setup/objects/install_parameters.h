#pragma once
// The parameter objects of the message traffic. The sender creates them,
// passes them for the duration of one call and frees them; receivers never
// keep them.

#include <cstdint>
#include <string>

#include "archive/file_stats.h"
#include "vcl/system/object.h"

class TMessageParameter : public TObject {
public:
    std::string ClassName() const override { return "TMessageParameter"; }
    std::string MessageText;
};

class TDiskParameter : public TObject {
public:
    std::string ClassName() const override { return "TDiskParameter"; }
    int32_t DiskNumber = 0;  // 1-based disk of a disk set
    std::string Path;        // where the disk's archive is expected, no trailing backslash
};

class TDownloadStatusParameter : public TObject {
public:
    std::string ClassName() const override { return "TDownloadStatusParameter"; }
    // Fills every field; PercentDone is TotalBytes of FileSize (0 for an
    // unknown size).
    TDownloadStatusParameter(int32_t bytes, std::string fileName, int32_t fileSize, int32_t totalBytes);

    int32_t Bytes = 0;  // bytes of the last block
    std::string FileName;
    int32_t FileSize = 0;
    int32_t TotalBytes = 0;  // bytes received so far
    int32_t PercentDone = 0;
};

class TFileStatusParameter : public TObject {
public:
    std::string ClassName() const override { return "TFileStatusParameter"; }
    int32_t BytesDone = 0;  // bytes of the current file
    int32_t FilePercentDone = 0;
    std::string FileName;  // the install file's FileName
    TlzhFileStats FileStats;  // the archive engine's statistics of the file
    int32_t TotalBytesDone = 0;
    int32_t TotalPercentDone = 0;
};
