#pragma once
// TFileStream: a stream over a file of the Windows machine, opened with the
// class library's mode word: one open mode ORed with one share mode, or
// fmCreate to create the file (or empty an existing one) for reading and
// writing without sharing.
//
// Failures raise EFCreateError "Cannot create file <name>" or EFOpenError
// "Cannot open file <name>", each followed by ". " and the system's text for
// the Windows error, as the class library reports them.

#include <cstdint>
#include <string>

#include "vcl/classes/stream.h"

enum : uint16_t {
    fmCreate = 0xFFFF,
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
};

class TFileStream : public TStream {
public:
    // `fileName` is a Windows path of the machine (relative paths are taken
    // from the current directory).
    TFileStream(const std::string& fileName, uint16_t mode);
    ~TFileStream() override;
    std::string ClassName() const override { return "TFileStream"; }

    int32_t Read(void* buffer, int32_t count) override;
    // Writes what fits; on a full disk fewer bytes than asked.
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    // Truncates or extends the file at `size`; failures raise EStreamError
    // with the system's text.
    void SetSize(int64_t size) override;

    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    void* handle_;
};
