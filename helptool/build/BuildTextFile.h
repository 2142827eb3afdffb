#pragma once
// A text file the help build writes: created (or emptied) when the object
// is made, written from a buffer, closed by Close. A file that cannot be
// created or written raises EInOutError with the system's text, as the run
// time does for text files; what was written before stays in the file.

#include <cstdint>
#include <string>
#include <string_view>

#include "win32/handles.h"

class TBuildTextFile {
public:
    // `fileName` is a Windows path of the machine.
    explicit TBuildTextFile(const std::string& fileName);
    ~TBuildTextFile();
    TBuildTextFile(const TBuildTextFile&) = delete;
    TBuildTextFile& operator=(const TBuildTextFile&) = delete;

    // Text of kWriteThroughSize bytes or more goes to the file at once, the
    // rest through the buffer.
    static constexpr size_t kWriteThroughSize = 64 * 1024;
    void Write(std::string_view text);
    // `text` and a carriage return and line feed.
    void WriteLine(std::string_view text = {});
    // Writes what is buffered and closes the file.
    void Close();

private:
    void Flush();
    void WriteThrough(std::string_view text);
    // Writes `text` to the file: ERROR_SUCCESS or the error.
    uint32_t WriteAll(std::string_view text);
    win32::HANDLE handle_;
    std::string buffer_;
};
