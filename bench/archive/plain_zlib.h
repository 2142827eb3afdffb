#pragma once
// The plain zlib loops the archive engine is measured against: host files
// read and written with read(2) and write(2), and the engine's buffer
// sizes (deflate output 64 KB; inflate input 64 KB and output 4096 bytes).

#include <cstdint>
#include <filesystem>

namespace archivebench {

inline constexpr int kDeflateOutputBlock = 65536;
inline constexpr int kInflateInputBlock = 65536;
inline constexpr int kInflateOutputBlock = 4096;

// Deflates the whole of `source` into `dest` as one zlib stream at zlib
// level `level`; returns the stream's length. Throws std::runtime_error on
// any failure.
int64_t PlainDeflate(const std::filesystem::path& source, const std::filesystem::path& dest, int level);

// Inflates the zlib stream of `length` bytes at `start` of `source` into
// `dest`; returns the bytes written. Throws std::runtime_error on any
// failure, also for a stream that does not end.
int64_t PlainInflate(const std::filesystem::path& source, int64_t start, int64_t length,
                     const std::filesystem::path& dest);

}  // namespace archivebench
