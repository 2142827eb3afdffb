#pragma once
// The archive's error classes: EQrvlCompress for every format and engine
// error (texts translated before their placeholders are filled, as every
// IException), EqcDiskFull for a write that fell short without an
// OnFullDisk handler, EqcAborted for a stop through the engine's Abort.

#include "support/IException.h"

class EQrvlCompress : public IException {
public:
    using IException::IException;
};

class EqcDiskFull : public EQrvlCompress {
public:
    using EQrvlCompress::EQrvlCompress;
};

class EqcAborted : public EQrvlCompress {
public:
    using EQrvlCompress::EQrvlCompress;
};

// The text reported for a header table that cannot be read.
inline constexpr char kCorruptArchiveMessage[] =
    "Could not read the file headers for the compressed file. The Archive file could possible be corrupt";
