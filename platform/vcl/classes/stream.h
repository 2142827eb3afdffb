#pragma once
// TStream: the abstract stream of bytes that files, memory blocks and the
// archive engine read and write; TMemoryStream keeps its bytes in memory.
//
// Positions and sizes are 64-bit here so that a stream can report a size the
// system's 32-bit fields cannot hold; system code checks that range itself.

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/system/object.h"

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

class TStream : public TObject {
public:
    std::string ClassName() const override { return "TStream"; }

    // Reads up to `count` bytes; returns how many were read (0 at the end).
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    // Writes up to `count` bytes; returns how many were written (fewer when
    // the medium is full).
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Moves the position; returns the new position from the beginning.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t position) { Seek(position, soBeginning); }
    virtual int64_t Size();
    // Truncates or extends the stream; streams that cannot change size throw
    // EStreamError.
    virtual void SetSize(int64_t size);

    // Read or write exactly `count` bytes, else EReadError "Stream read error"
    // / EWriteError "Stream write error".
    void ReadBuffer(void* buffer, int32_t count);
    void WriteBuffer(const void* buffer, int32_t count);
    // Copies `count` bytes from `source` at its position (the whole of
    // `source` from its beginning when count is 0); returns the bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
};

class TMemoryStream : public TStream {
public:
    std::string ClassName() const override { return "TMemoryStream"; }

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }
    void SetSize(int64_t size) override;

    void Clear();
    const char* Memory() const { return data_.data(); }
    char* Memory() { return data_.data(); }
    // The whole content as a string of bytes.
    std::string Bytes() const { return std::string(data_.begin(), data_.end()); }

private:
    std::vector<char> data_;
    int64_t position_ = 0;
};
