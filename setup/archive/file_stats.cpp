#include "archive/file_stats.h"

#include <algorithm>

#include "vcl/system/rounding.h"

uint8_t PercentByte(int64_t part, int64_t whole) {
    return static_cast<uint8_t>(std::clamp<int32_t>(Percentage(part, whole), 0, 255));
}
