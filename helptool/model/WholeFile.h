#pragma once
// Reading and writing a whole file of the machine at once, with failures
// raised as the class library's run-time I/O errors (EInOutError "File not
// found", "File access denied", "Disk full", ...).

#include <string>

// The file's bytes. The file is opened for reading with others allowed to
// read only.
std::string ReadWholeFile(const std::string& fileName);

// Replaces the file's content with `bytes` so that a failure leaves the
// previous file as it was: the bytes go to a new file in the same folder,
// which replaces the old one only once it is completely written. On a
// failure the new file is deleted again and the error raised.
void WriteWholeFileSafely(const std::string& fileName, const std::string& bytes);
