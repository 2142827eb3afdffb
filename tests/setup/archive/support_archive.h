#pragma once
// Helpers of the archive tests: files of the current machine, little-endian
// fields of archive bytes, and the real zlib reader (Python's) for members.

#include <cstdint>
#include <string>

#include "archive/file_header.h"

namespace archivetest {

// Writes `bytes` to the Windows path `to` of the current machine.
std::string Place(const std::string& bytes, const std::string& to);
// The bytes of a Windows path of the current machine.
std::string Contents(const std::string& windowsPath);
int32_t Le32(const std::string& bytes, size_t at);
std::string Bytes(const TFileHeaderBytes& header);
TFileHeaderRecord HeaderAt(const std::string& archive, size_t at);
// Inflates `stream` with /usr/bin/python3's zlib; throws
// std::runtime_error when Python refuses it.
std::string PythonInflate(const std::string& stream);
// Mixed bytes for a source file: text, random bytes and zeros.
std::string MixedBytes(size_t size, uint32_t seed);

}  // namespace archivetest
