#pragma once
// Text comparisons the Classes unit needs for names and string lists:
// case-insensitive comparison folds the letters of code page 1252 (so "É"
// equals "é"), case-sensitive comparison is by byte value.

#include <string>

namespace textcompare {

// <0, 0 or >0 as `a` sorts before, with or after `b` ignoring case.
int CompareText(const std::string& a, const std::string& b);
// The same with case significant.
int CompareStr(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
// A Pascal identifier: a letter or "_" followed by letters, digits and "_".
bool IsValidIdent(const std::string& text);

}  // namespace textcompare
