#include "build/RtfText.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string RtfEscaped(std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x80) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
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
