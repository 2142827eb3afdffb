#pragma once
// String routines that follow the machine's code page and the user's
// locale (see win32/codepage.h for the rules): case mapping of every
// letter of the page and the locale-aware word-sort comparison.

#include <string>
#include <string_view>

std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

// Negative, zero or positive, as the locale orders the strings.
int AnsiCompareStr(std::string_view a, std::string_view b);
// As AnsiCompareStr, ignoring case.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);
// The comparison the system uses wherever names are looked up or checked
// for uniqueness: "Page" and "PAGE" are the same name; "co-op" and "coop"
// are not.
bool AnsiSameText(std::string_view a, std::string_view b);
