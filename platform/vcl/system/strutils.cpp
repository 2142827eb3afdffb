#include "vcl/system/strutils.h"

#include <algorithm>

#include "vcl/system/ansistrings.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

int CompareBytes(std::string_view a, std::string_view b, char (*map)(char)) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int x = static_cast<unsigned char>(map(a[i]));
        int y = static_cast<unsigned char>(map(b[i]));
        if (x != y) return x - y;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

char Same(char c) { return c; }

}  // namespace

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

std::string TrimLeft(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return std::string(text.substr(i));
}

std::string TrimRight(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1])) --n;
    return std::string(text.substr(0, n));
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), AsciiUpper);
    return result;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), AsciiLower);
    return result;
}

int CompareStr(std::string_view a, std::string_view b) { return CompareBytes(a, b, Same); }
int CompareText(std::string_view a, std::string_view b) { return CompareBytes(a, b, AsciiUpper); }
bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

int Pos(std::string_view sub, std::string_view text) {
    if (sub.empty()) return 0;
    size_t at = text.find(sub);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(std::string_view text, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<size_t>(index) > text.size()) return {};
    return std::string(text.substr(index - 1, static_cast<size_t>(count)));
}

void Delete(std::string& text, int index, int count) {
    if (index < 1 || static_cast<size_t>(index) > text.size() || count <= 0) return;
    text.erase(index - 1, static_cast<size_t>(count));
}

void Insert(std::string_view source, std::string& text, int index) {
    size_t at = index < 1 ? 0 : std::min(static_cast<size_t>(index - 1), text.size());
    text.insert(at, source);
}

int LastDelimiter(std::string_view delimiters, std::string_view text) {
    size_t at = text.find_last_of(delimiters);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(text);
    // Case mapping keeps every byte in place, so positions found in the
    // upper-cased copy hold for the text.
    std::string searchText = flags & rfIgnoreCase ? AnsiUpperCase(text) : std::string(text);
    std::string pattern = flags & rfIgnoreCase ? AnsiUpperCase(oldPattern) : std::string(oldPattern);
    std::string result;
    size_t from = 0;
    while (true) {
        size_t at = searchText.find(pattern, from);
        if (at == std::string::npos) break;
        result.append(text.substr(from, at - from));
        result.append(newPattern);
        from = at + pattern.size();
        if (!(flags & rfReplaceAll)) break;
    }
    result.append(text.substr(from));
    return result;
}

std::string StringOfChar(char c, int count) { return count > 0 ? std::string(static_cast<size_t>(count), c) : std::string(); }

std::string QuotedStr(std::string_view text) { return AnsiQuotedStr(text, '\''); }

std::string AnsiQuotedStr(std::string_view text, char quote) {
    std::string result(1, quote);
    for (char c : text) {
        result += c;
        if (c == quote) result += quote;
    }
    result += quote;
    return result;
}

std::string AnsiDequotedStr(std::string_view text, char quote) {
    if (text.empty() || text[0] != quote) return std::string(text);
    std::string result;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                result += quote;
                ++i;
            } else {
                break;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}
