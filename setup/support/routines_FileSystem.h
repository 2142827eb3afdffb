#pragma once
// File dates as the setup program compares and stores them: the last-write
// time of a file, read from (or written to) the open file, in local time
// as a TDateTime with two-second resolution (what a FAT volume keeps and
// what the archive records).

#include <optional>
#include <string>

#include "vcl/system/datetime.h"

// The last-write date of `fileName`, opened for reading with others
// allowed to read and write; nullopt when it cannot be opened.
std::optional<TDateTime> ReadFileDate(const std::string& fileName);

// Sets the last-write date of `fileName`; false when the file cannot be
// opened for writing or the date is not a valid file time.
bool WriteFileDate(const std::string& fileName, TDateTime date);
