#pragma once
// TRtfTokenizer: splits RTF text into groups, control words, control
// symbols, character escapes and text bytes.
//
// - A control word is a backslash and up to 32 letters (longer words keep
//   their first 32), an optional parameter (a "-" and digits; values beyond
//   32 bits saturate, surplus digits are consumed), and one delimiting space,
//   which is consumed.
// - "\'hh" is a character escape; a "\'" without two hex digits is the
//   symbol "'" (ignored by the reader).
// - A backslash before a line end is the word \par; line ends elsewhere are
//   not text and are skipped.
// - \binN is followed by N raw bytes, which are skipped (at most what is
//   left of the input).
// Every call consumes at least one byte until End, so no input can make the
// reader loop.

#include <cstdint>
#include <string>
#include <string_view>

struct TRtfToken {
    enum Kind { tkGroupOpen, tkGroupClose, tkWord, tkSymbol, tkHex, tkText, tkEnd };
    Kind kind = tkEnd;
    std::string word;       // tkWord: the letters
    bool hasParam = false;  // tkWord
    int32_t param = 0;      // tkWord
    char ch = 0;            // tkSymbol, tkHex (the byte), tkText
};

class TRtfTokenizer {
public:
    explicit TRtfTokenizer(std::string_view text) : text_(text) {}
    TRtfToken Next();

private:
    TRtfToken ReadWord();
    std::string_view text_;
    size_t pos_ = 0;
};
