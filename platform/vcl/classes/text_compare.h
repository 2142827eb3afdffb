#pragma once
// Text comparisons the Classes unit needs for names and string lists, the
// way the class library makes them: through the machine's locale-aware
// comparison (win32 CompareString), with or without case.

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
