#include "build/RtfText.h"

#include <algorithm>
#include <cstring>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool NeedsEscape(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '\\' || c == '{' || c == '}' || byte < 0x20 || byte >= 0x80;
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

}  // namespace

void AppendRtfEscaped(std::string_view text, std::string& out) {
    static const char kHex[] = "0123456789abcdef";
    size_t i = 0;
    while (i < text.size()) {
        // Characters that need no escape are appended in one piece.
        size_t plainEnd = i;
        while (plainEnd < text.size() && !NeedsEscape(text[plainEnd])) ++plainEnd;
        out.append(text.substr(i, plainEnd - i));
        if (plainEnd == text.size()) break;
        const char c = text[plainEnd];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
        i = plainEnd + 1;
    }
}

std::string RtfUnescaped(std::string_view rtf) {
    std::string out;
    out.reserve(rtf.size());
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\' && i + 1 < rtf.size()) {
            const char next = rtf[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                out += next;
                ++i;
                continue;
            }
            if (next == '\'' && i + 3 < rtf.size() && HexValue(rtf[i + 2]) >= 0 && HexValue(rtf[i + 3]) >= 0) {
                out += static_cast<char>(HexValue(rtf[i + 2]) * 16 + HexValue(rtf[i + 3]));
                i += 3;
                continue;
            }
        }
        out += rtf[i];
    }
    return out;
}

size_t FindIgnoringCase(std::string_view rtf, std::string_view upperWord) {
    if (upperWord.empty() || rtf.size() < upperWord.size()) return std::string_view::npos;
    const char first = upperWord[0];
    const bool firstHasCase = first >= 'A' && first <= 'Z';
    const size_t last = rtf.size() - upperWord.size();
    // The places the word may start are found by its first byte (in
    // either case) with memchr, which is much faster than a byte loop.
    const auto next = [&](size_t from, char c) {
        const void* at = std::memchr(rtf.data() + from, c, last - from + 1);
        return at ? static_cast<size_t>(static_cast<const char*>(at) - rtf.data()) : std::string_view::npos;
    };
    for (size_t i = 0; i <= last; ++i) {
        i = firstHasCase ? std::min(next(i, first), next(i, static_cast<char>(first + 32))) : next(i, first);
        if (i == std::string_view::npos) break;
        size_t k = 1;
        while (k < upperWord.size() && AsciiUpper(rtf[i + k]) == upperWord[k]) ++k;
        if (k == upperWord.size()) return i;
    }
    return std::string_view::npos;
}
