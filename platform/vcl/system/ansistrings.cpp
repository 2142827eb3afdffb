#include "vcl/system/ansistrings.h"

#include "win32/codepage.h"

std::string AnsiUpperCase(std::string_view text) { return win32::CharUpper(std::string(text)); }
std::string AnsiLowerCase(std::string_view text) { return win32::CharLower(std::string(text)); }

int AnsiCompareStr(std::string_view a, std::string_view b) {
    return win32::CompareString(win32::LOCALE_USER_DEFAULT, 0, a, b) - win32::CSTR_EQUAL;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
    return win32::CompareString(win32::LOCALE_USER_DEFAULT, win32::NORM_IGNORECASE, a, b) - win32::CSTR_EQUAL;
}

bool AnsiSameStr(std::string_view a, std::string_view b) { return AnsiCompareStr(a, b) == 0; }
bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }
