#pragma once
// String routines of the class library. Positions are 1-based as in the
// class library; case mapping here is ASCII only (see ansistrings.h for the
// code page's rules).

#include <cstdint>
#include <string>
#include <string_view>

// Without leading and/or trailing characters up to the blank (control
// characters and spaces).
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// a-z and A-Z only; other bytes stay as they are.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Byte-wise comparison: negative, zero or positive. CompareText ignores the
// case of a-z.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

// The position of the first `sub` in `text`, 0 when absent or when `sub`
// is empty.
int Pos(std::string_view sub, std::string_view text);
// `count` characters from `index`; an index below 1 counts as 1, the count
// stops at the end, a negative count or an index past the end gives "".
std::string Copy(std::string_view text, int index, int count);
// Removes `count` characters from `index`; nothing for an index outside
// the text.
void Delete(std::string& text, int index, int count);
// Inserts `source` before `index`; an index below 1 inserts at the front,
// one past the end appends.
void Insert(std::string_view source, std::string& text, int index);
// The position of the last character of `text` that is one of
// `delimiters`, 0 when there is none.
int LastDelimiter(std::string_view delimiters, std::string_view text);

enum TReplaceFlag : unsigned {
    rfReplaceAll = 1,
    rfIgnoreCase = 2,  // with the code page's case rules
};
using TReplaceFlags = unsigned;
// Replaces the first (or with rfReplaceAll every) occurrence of `oldPattern`;
// an empty pattern changes nothing. Replaced text is not searched again.
std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags);

// `count` copies of `c`; "" for a count of 0 or less.
std::string StringOfChar(char c, int count);

// In single quotes, inner single quotes doubled: O'Neil -> 'O''Neil'.
std::string QuotedStr(std::string_view text);
// In `quote` characters, inner ones doubled.
std::string AnsiQuotedStr(std::string_view text, char quote);
// The text between the leading `quote` and its closing one, doubled quotes
// made single; a text that does not start with `quote` comes back as it
// is, one without its closing quote gives everything after the opening
// one. An empty quoted text gives "".
std::string AnsiDequotedStr(std::string_view text, char quote);
