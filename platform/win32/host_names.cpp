#include "win32/host_names.h"

#include <cstdint>

namespace win32 {

namespace {
// Code page 1252's characters 0x80-0x9F; 0 marks the five unused positions.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char CodePointToAnsi(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh1252[i] != 0 && kHigh1252[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}
}  // namespace

std::string AnsiToHostName(const std::string& ansi) {
    std::string out;
    for (unsigned char c : ansi) {
        if (c >= 0x80 && c < 0xA0)
            AppendUtf8(out, kHigh1252[c - 0x80] != 0 ? kHigh1252[c - 0x80] : c);
        else
            AppendUtf8(out, c);
    }
    return out;
}

std::string HostNameToAnsi(const std::string& host) {
    std::string out;
    for (size_t i = 0; i < host.size();) {
        const unsigned char c = static_cast<unsigned char>(host[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= host.size()) {
            out += '?';
            ++i;
            continue;
        }
        uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(host[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (next & 0x3F);
        }
        out += valid ? CodePointToAnsi(cp) : '?';
        i += valid ? extra + 1 : 1;
    }
    return out;
}

std::string UpperName(const std::string& ansi) {
    std::string out = ansi;
    for (char& ch : out) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') ch = static_cast<char>(c - 32);
        else if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E) ch = static_cast<char>(c - 16);  // š œ ž
        else if (c == 0xFF) ch = static_cast<char>(0x9F);                              // ÿ
    }
    return out;
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && UpperName(a) == UpperName(b);
}

}  // namespace win32
