#pragma once
// A text file the help build writes: created (or emptied) when the object
// is made, written from a buffer, closed by Close. A file that cannot be
// created or written raises EInOutError with the system's text, as the run
// time does for text files; what was written before stays in the file.

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

    void Write(std::string_view text);
    // `text` and a carriage return and line feed.
    void WriteLine(std::string_view text = {});
    // Writes what is buffered and closes the file.
    void Close();

private:
    void Flush();
    win32::HANDLE handle_;
    std::string buffer_;
};
