#pragma once
// TlzhFileStats: the progress record the archive engine hands to every
// event. Percentages are whole numbers rounded half to even, 0 for a zero
// divisor, and held in a byte (values past 255 are held as 255).

#include <cstdint>
#include <string>

#include "archive/file_header.h"

struct TlzhFileStats {
    uint8_t FilePercentDone = 0;
    int32_t BytesDone = 0;
    std::string FileName;  // member name, or the source path of a plain copy
    int32_t PackedSize = 0;
    uint8_t PackRatio = 0;  // PackedSize / FileSize
    int32_t FileSize = 0;
    TFileHeaderRecord Header;
    bool Done = false;  // the current file is finished
    uint8_t TotalPercentDone = 0;
    int32_t TotalBytesDone = 0;
    int32_t TotalPackedSize = 0;
    uint8_t TotalPackRatio = 0;  // TotalPackedSize / TotalUnpackedSize
    int32_t TotalUnpackedSize = 0;
};

// part / whole as a percentage byte.
uint8_t PercentByte(int64_t part, int64_t whole);
