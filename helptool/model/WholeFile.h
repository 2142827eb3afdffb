#pragma once
// Reading and writing a whole file of the machine at once, with failures
// raised as the class library's run-time I/O errors (EInOutError "File not
// found", "File access denied", "Disk full", ...).

#include <string>

// The file's bytes. The file is opened for reading with others allowed to
// read only.
std::string ReadWholeFile(const std::string& fileName);

// Replaces a file's content so that a failure leaves the previous file as
// it was: the bytes go to a new file in the same folder, which replaces the
// old one only on Commit, once everything is written. Destroyed without
// Commit (a failure on the way), it deletes the new file again.
class TSafeFileWriter {
public:
    explicit TSafeFileWriter(std::string fileName);
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

    void Write(const std::string& bytes);
    void Commit();

private:
    std::string fileName_;
    std::string tempName_;
    void* handle_;
};
