#pragma once
// Code pages of the machine: the ANSI code page, conversion of its bytes to
// and from Unicode, case mapping of ANSI characters, and the locale-aware
// comparison of ANSI strings.
//
// Supported code pages: 1252 (Western, the default), 1250 (Central
// European), 1251 (Cyrillic), 1253 (Greek), 1254 (Turkish), 1257 (Baltic),
// 28591 (ISO 8859-1), 437 and 850 (the DOS pages), and 65001 (UTF-8) for
// the conversion functions. CP_ACP (0) means the machine's ANSI code page.
// The tables are our own; nothing depends on the host's locale.
//
// Conversion rules:
// - Bytes 0x00-0x7F are ASCII in every supported page.
// - A byte that its page leaves undefined still converts reversibly: bytes
//   0x80-0x9F to the control character of the same value (U+0081 for 0x81
//   in 1252, as Windows does), bytes 0xA0-0xFF to the private-use
//   character U+F700 + byte. So every byte string survives a round trip.
// - A character that the target page cannot hold becomes "?" (one per
//   character, also for characters outside the Basic Multilingual Plane).
//   Malformed UTF-8 and lone UTF-16 surrogates read as U+FFFD, which then
//   becomes "?".
// - An unsupported code page sets the last error to ERROR_INVALID_PARAMETER
//   and the result is empty (check with IsValidCodePage first).

#include <cstdint>
#include <string>
#include <string_view>

namespace win32 {

enum : uint32_t {
    CP_ACP = 0,
    CP_UTF8 = 65001,
};

// The machine's ANSI code page; 1252 until SetACP changes it. One setting
// for the whole process.
uint32_t GetACP();
// Makes `codePage` the ANSI code page; throws std::invalid_argument for a
// page that IsValidCodePage rejects or for CP_UTF8 (not an ANSI page).
void SetACP(uint32_t codePage);
// True for the supported pages listed above (CP_ACP included).
bool IsValidCodePage(uint32_t codePage);

// Bytes of `codePage` as UTF-16.
std::u16string MultiByteToWideChar(uint32_t codePage, std::string_view bytes);
// UTF-16 as bytes of `codePage`; unmappable characters become "?" and set
// *usedDefaultChar when it is given (it is left false otherwise).
std::string WideCharToMultiByte(uint32_t codePage, std::u16string_view text, bool* usedDefaultChar = nullptr);

// ANSI bytes of `codePage` as UTF-8 and back: the edge conversions for host
// paths, Qt and the network.
std::string AnsiToUtf8(std::string_view bytes, uint32_t codePage = CP_ACP);
std::string Utf8ToAnsi(std::string_view utf8, uint32_t codePage = CP_ACP, bool* usedDefaultChar = nullptr);

// Case mapping and character classes of ANSI characters in the machine's
// code page. A character's case partner is its Unicode simple case mapping
// when the page holds it ("\xFF" y-diaeresis upper-cases to "\x9F" in 1252);
// characters without a partner in the page stay as they are (sharp s, micro
// sign). Dotted capital I lower-cases to "i" and dotless i upper-cases to
// "I" in every page (the default, not the Turkish, casing).
std::string CharUpper(std::string text);
std::string CharLower(std::string text);
char CharUpper(char c);
char CharLower(char c);
// Maps the first `length` characters of `text` in place (no more than it
// holds) and returns how many were processed.
uint32_t CharUpperBuff(std::string& text, uint32_t length);
uint32_t CharLowerBuff(std::string& text, uint32_t length);
// Letters are the characters Unicode classes as letters (accented letters,
// ordinal indicators and the spacing circumflex and caron included);
// alphanumerics add the digits 0-9.
bool IsCharAlpha(char c);
bool IsCharAlphaNumeric(char c);
bool IsCharUpper(char c);
bool IsCharLower(char c);

// Locale-aware comparison. Every locale uses the same rules, those of the
// English (United States) locale, over the characters of the machine's code
// page:
// - Word sort: hyphen "-" and apostrophe "'" count only when the strings are
//   otherwise equal, and then the string without them comes first: "coop" <
//   "co-op" < "cop".
// - Levels: first the base characters of the whole strings; then accents;
//   then case (lower before upper); then the hyphens and apostrophes. So
//   "a" < "B", "e" < "é" < "f", "a" < "A" < "b".
// - Base order: other symbols and control characters (by their Unicode
//   value) before digits before letters; Latin letters a-z (thorn after z),
//   then Greek, then Cyrillic. Accented letters and letter variants (ð, ø,
//   ł, dotless i, ª) sort with their base letter; the ligatures æ, œ, ĳ and
//   sharp s sort as the two letters they stand for, after them; superscript
//   digits sort with their digit; Cyrillic io sorts with ie.
// - Distinct strings never compare equal unless a flag ignores their
//   difference.
enum : uint32_t {
    LOCALE_SYSTEM_DEFAULT = 0x0800,
    LOCALE_USER_DEFAULT = 0x0400,
    LOCALE_INVARIANT = 0x007F,
};
enum : uint32_t {
    NORM_IGNORECASE = 0x0001,
    NORM_IGNORENONSPACE = 0x0002,  // ignore accents
    NORM_IGNORESYMBOLS = 0x0004,   // ignore symbols, hyphens and apostrophes
    SORT_STRINGSORT = 0x1000,      // hyphen and apostrophe sort as symbols
};
enum : int {
    CSTR_LESS_THAN = 1,
    CSTR_EQUAL = 2,
    CSTR_GREATER_THAN = 3,
};
// CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN; 0 with last error
// ERROR_INVALID_PARAMETER for a flag not listed above.
int CompareString(uint32_t locale, uint32_t flags, std::string_view a, std::string_view b);
// CompareString for the user's locale as -1, 0 or 1; lstrcmpi ignores case.
int lstrcmp(std::string_view a, std::string_view b);
int lstrcmpi(std::string_view a, std::string_view b);

}  // namespace win32
