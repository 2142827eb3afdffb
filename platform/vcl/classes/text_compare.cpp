#include "vcl/classes/text_compare.h"

#include "win32/codepage.h"

namespace textcompare {

int CompareText(const std::string& a, const std::string& b) { return win32::lstrcmpi(a, b); }

int CompareStr(const std::string& a, const std::string& b) { return win32::lstrcmp(a, b); }

bool SameText(const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }

bool IsValidIdent(const std::string& text) {
    if (text.empty()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!(letter || (digit && i > 0))) return false;
    }
    return true;
}

}  // namespace textcompare
