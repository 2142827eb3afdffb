#pragma once
// The three kinds of line of a project file, written and read in order:
// string lines (the characters exactly), integer lines (decimal, a leading
// minus sign when negative) and boolean lines (TRUE / FALSE). Every line
// ends with CR LF.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

class TStrings;

// True when `text` holds a CR or an LF.
bool HoldsLineBreak(std::string_view text);

class TProjectLineWriter {
public:
    // A string that holds a line break cannot be one line: raises
    // EConvertError naming the value.
    void WriteString(std::string_view text);
    void WriteInteger(int32_t value);
    void WriteBoolean(bool value);
    // A count line and the strings of `lines`. A string holding line breaks
    // goes out as the lines it holds (counted as such), so that the list
    // reads back as the same text.
    void WriteLines(const TStrings& lines);

    // The bytes written since the last call, handed over.
    std::string TakeBytes() { return std::exchange(bytes_, {}); }
    size_t PendingSize() const { return bytes_.size(); }

private:
    void EndLine() { bytes_ += "\r\n"; }
    std::string bytes_;
};

// Reads the lines of a file's bytes. A line ends at LF (a CR before it is
// dropped); the last line needs no line end. Reading past the last line
// raises EInOutError "Read beyond end of file".
class TProjectLineReader {
public:
    explicit TProjectLineReader(std::string_view bytes) : bytes_(bytes) {}

    std::string ReadString();
    // A decimal number at the start of the line (after blanks), the rest of
    // the line skipped. No number, or one beyond 32 bits, raises
    // EInOutError "Invalid numeric input".
    int32_t ReadInteger();
    // A count of lines or entries: an integer line that must not be
    // negative ("Invalid numeric input").
    int32_t ReadCount();
    // True exactly when the line, upper-cased, is TRUE.
    bool ReadBoolean();
    // A count line, then that many string lines appended to `lines`.
    void ReadLines(TStrings& lines);

private:
    std::string_view NextLine();

    std::string_view bytes_;
    size_t position_ = 0;
};
