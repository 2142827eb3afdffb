#include "win32/codepage.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "win32/errors.h"

namespace win32 {
namespace {

// ---------------------------------------------------------------------------
// Tables: the Unicode of bytes 0x80-0xFF of each page, with undefined bytes
// already given their reversible stand-ins. ISO 8859-1 is the identity.

struct PageTable {
    uint32_t codePage;
    uint16_t high[128];
};

constexpr uint32_t kLatin1 = 28591;

constexpr PageTable kPageTables[] = {
    {1252, {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
        0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
        0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
        0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
        0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
        0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
        0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF
    }},
    {1250, {
        0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
        0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
        0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
        0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
        0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
        0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
        0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9
    }},
    {1251, {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
        0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
        0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
        0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
        0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
        0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
        0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
        0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F
    }},
    {1253, {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x008A, 0x2039, 0x008C, 0x008D, 0x008E, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x009A, 0x203A, 0x009C, 0x009D, 0x009E, 0x009F,
        0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0xF7AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
        0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, 0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,
        0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, 0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,
        0x03A0, 0x03A1, 0xF7D2, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, 0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
        0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, 0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,
        0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, 0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0xF7FF
    }},
    {1254, {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
        0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
        0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
        0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
        0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,
        0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
        0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF
    }},
    {1257, {
        0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x008A, 0x2039, 0x008C, 0x00A8, 0x02C7, 0x00B8,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x009A, 0x203A, 0x009C, 0x00AF, 0x02DB, 0x009F,
        0x00A0, 0xF7A1, 0x00A2, 0x00A3, 0x00A4, 0xF7A5, 0x00A6, 0x00A7, 0x00D8, 0x00A9, 0x0156, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00C6,
        0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00F8, 0x00B9, 0x0157, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00E6,
        0x0104, 0x012E, 0x0100, 0x0106, 0x00C4, 0x00C5, 0x0118, 0x0112, 0x010C, 0x00C9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012A, 0x013B,
        0x0160, 0x0143, 0x0145, 0x00D3, 0x014C, 0x00D5, 0x00D6, 0x00D7, 0x0172, 0x0141, 0x015A, 0x016A, 0x00DC, 0x017B, 0x017D, 0x00DF,
        0x0105, 0x012F, 0x0101, 0x0107, 0x00E4, 0x00E5, 0x0119, 0x0113, 0x010D, 0x00E9, 0x017A, 0x0117, 0x0123, 0x0137, 0x012B, 0x013C,
        0x0161, 0x0144, 0x0146, 0x00F3, 0x014D, 0x00F5, 0x00F6, 0x00F7, 0x0173, 0x0142, 0x015B, 0x016B, 0x00FC, 0x017C, 0x017E, 0x02D9
    }},
    {437, {
        0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
        0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
        0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
        0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
        0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
        0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
        0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
        0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0
    }},
    {850, {
        0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
        0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
        0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
        0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
        0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
        0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
        0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
        0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0
    }},
};

// ---------------------------------------------------------------------------
// Unicode properties of the characters the pages hold (and their case
// partners). Outside these characters the functions answer "no case, not a
// letter".

char32_t SimpleUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c < 0x80) return c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x131) return 'I';
        if (c == 0x17F) return 'S';
        if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x178) return c;
        bool oddIsUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool isLower = oddIsUpper ? c % 2 == 0 : c % 2 == 1;
        return isLower ? c - 1 : c;
    }
    if (c == 0x192) return 0x191;
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3CB) return c - 0x20;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if (c == 0x491) return 0x490;
    return c;
}

char32_t SimpleLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c < 0x80) return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130) return 'i';
        if (c == 0x178) return 0xFF;
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        bool oddIsUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool isUpper = oddIsUpper ? c % 2 == 1 : c % 2 == 0;
        return isUpper ? c + 1 : c;
    }
    if (c == 0x191) return 0x192;
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 0x25;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 0x3F;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c == 0x490) return 0x491;
    return c;
}

bool IsLetter(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (c == 0xAA || c == 0xB5 || c == 0xBA) return true;
    if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;
    if (c == 0x2C6 || c == 0x2C7 || c == 0x207F) return true;
    if (c >= 0x386 && c <= 0x3CE) return c != 0x387 && c != 0x38B && c != 0x38D && c != 0x3A2;
    return (c >= 0x400 && c <= 0x45F) || c == 0x490 || c == 0x491;
}

// Lower-case letters that have no upper-case partner.
bool IsCaselessLower(char32_t c) {
    return c == 0xB5 || c == 0xDF || c == 0x138 || c == 0x149 || c == 0x390 || c == 0x3B0;
}

// ---------------------------------------------------------------------------
// One supported page, ready for use.

enum : uint8_t { kAlpha = 1, kUpper = 2, kLower = 4 };

struct Page {
    uint32_t codePage = 0;
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, uint8_t> fromUnicode;
    std::array<uint8_t, 256> upper{};
    std::array<uint8_t, 256> lower{};
    std::array<uint8_t, 256> classes{};
};

uint8_t MapOrKeep(const Page& page, char32_t c, uint8_t byte) {
    auto found = page.fromUnicode.find(static_cast<char16_t>(c));
    return found == page.fromUnicode.end() ? byte : found->second;
}

Page MakePage(uint32_t codePage, const uint16_t* high) {
    Page page;
    page.codePage = codePage;
    for (int b = 0; b < 256; ++b) {
        page.toUnicode[b] = static_cast<char16_t>(b < 0x80 || !high ? b : high[b - 0x80]);
        page.fromUnicode.emplace(page.toUnicode[b], static_cast<uint8_t>(b));
    }
    for (int b = 0; b < 256; ++b) {
        char32_t c = page.toUnicode[b];
        auto byte = static_cast<uint8_t>(b);
        page.upper[b] = MapOrKeep(page, SimpleUpper(c), byte);
        page.lower[b] = MapOrKeep(page, SimpleLower(c), byte);
        if (IsLetter(c)) {
            page.classes[b] |= kAlpha;
            if (SimpleLower(c) != c) page.classes[b] |= kUpper;
            if (SimpleUpper(c) != c || IsCaselessLower(c)) page.classes[b] |= kLower;
        }
    }
    return page;
}

const std::vector<Page>& Pages() {
    static const std::vector<Page> pages = [] {
        std::vector<Page> result;
        for (const PageTable& table : kPageTables) result.push_back(MakePage(table.codePage, table.high));
        result.push_back(MakePage(kLatin1, nullptr));
        return result;
    }();
    return pages;
}

std::atomic<uint32_t> g_acp{1252};

// The page for `codePage` (CP_ACP resolved), or null for UTF-8 and for
// unsupported pages.
const Page* FindPage(uint32_t codePage) {
    if (codePage == CP_ACP) codePage = g_acp.load();
    for (const Page& page : Pages())
        if (page.codePage == codePage) return &page;
    return nullptr;
}

const Page& AnsiPage() { return *FindPage(CP_ACP); }

// ---------------------------------------------------------------------------
// UTF-8 and UTF-16.

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(std::string_view s, size_t i) {
    return i < s.size() && (static_cast<uint8_t>(s[i]) & 0xC0) == 0x80;
}

// The code point at `i`, advancing `i`; a malformed sequence gives
// U+FFFD and advances by one byte.
char32_t NextUtf8(std::string_view s, size_t& i) {
    auto lead = static_cast<uint8_t>(s[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    for (size_t k = 1; k < length; ++k)
        if (!IsContinuation(s, i + k)) length = 0;
    if (length == 0) {
        ++i;
        return kReplacement;
    }
    char32_t c = lead & (0xFF >> (length + 1));
    for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<uint8_t>(s[i + k]) & 0x3F);
    bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    bool invalid = (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
    if (overlong || invalid) {
        ++i;
        return kReplacement;
    }
    i += length;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t NextUtf16(std::u16string_view s, size_t& i) {
    char32_t c = s[i++];
    if (c >= 0xD800 && c <= 0xDBFF && i < s.size() && s[i] >= 0xDC00 && s[i] <= 0xDFFF)
        return 0x10000 + ((c - 0xD800) << 10) + (s[i++] - 0xDC00);
    if (c >= 0xD800 && c <= 0xDFFF) return kReplacement;
    return c;
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// Decodes `bytes` of `codePage` (UTF-8 or a page) into code points.
template <typename Sink>
bool DecodeBytes(uint32_t codePage, std::string_view bytes, Sink sink) {
    if (codePage == CP_UTF8) {
        for (size_t i = 0; i < bytes.size();) sink(NextUtf8(bytes, i));
        return true;
    }
    const Page* page = FindPage(codePage);
    if (!page) return false;
    for (char b : bytes) sink(page->toUnicode[static_cast<uint8_t>(b)]);
    return true;
}

// Appends code point `c` as bytes of `codePage` (UTF-8 or the given page).
void EncodeCodePoint(const Page* page, char32_t c, std::string& out, bool& usedDefault) {
    if (!page) {
        AppendUtf8(out, c);
        return;
    }
    auto found = c < 0x10000 ? page->fromUnicode.find(static_cast<char16_t>(c)) : page->fromUnicode.end();
    if (found == page->fromUnicode.end() || c == kReplacement) {
        out += '?';
        usedDefault = true;
    } else {
        out += static_cast<char>(found->second);
    }
}

// The target page of an encoding: null for UTF-8; false when unsupported.
bool EncodingTarget(uint32_t codePage, const Page*& page) {
    page = nullptr;
    if (codePage == CP_UTF8) return true;
    page = FindPage(codePage);
    return page != nullptr;
}

void Report(bool* usedDefaultChar, bool usedDefault) {
    if (usedDefaultChar) *usedDefaultChar = usedDefault;
}

// ---------------------------------------------------------------------------
// Collation. Each character gives one or two elements (primary weight,
// accent, case) or is a hyphen/apostrophe that only breaks final ties.

constexpr uint32_t kDigitBase = 0x10000;
constexpr uint32_t kLetterBase = 0x10100;
constexpr uint32_t kGreekBase = kLetterBase + 40;
constexpr uint32_t kCyrillicBase = kLetterBase + 80;

// Accent weights beyond the combining marks (mark - U+02FF).
enum : uint8_t {
    kAccentNone = 0,
    kAccentDiaeresis = 0x09,
    kAccentGreekTonos = 0x02,
    kAccentVariant = 0x64,
    kAccentDiaeresisTonos = 0x66,
    kAccentSuperscript = 0x67,
    kAccentFinalForm = 0x68,
    kLigature = 0x70,
    kExpands = 0xFF,
};

struct LatinLetter {
    char base;  // 'a'..'z', '{' for thorn (after z), 0 for a symbol
    uint8_t accent;
};

// Base letter and accent of U+00C0-U+017F.
constexpr LatinLetter kLatin[192] = {
    {'a', 0x01}, {'a', 0x02}, {'a', 0x03}, {'a', 0x04}, {'a', 0x09}, {'a', 0x0B}, {'a', kExpands}, {'c', 0x28},
    {'e', 0x01}, {'e', 0x02}, {'e', 0x03}, {'e', 0x09}, {'i', 0x01}, {'i', 0x02}, {'i', 0x03}, {'i', 0x09},
    {'d', 0x60}, {'n', 0x04}, {'o', 0x01}, {'o', 0x02}, {'o', 0x03}, {'o', 0x04}, {'o', 0x09}, {'\0', 0x00},
    {'o', 0x61}, {'u', 0x01}, {'u', 0x02}, {'u', 0x03}, {'u', 0x09}, {'y', 0x02}, {'{', 0x00}, {'s', kExpands},
    {'a', 0x01}, {'a', 0x02}, {'a', 0x03}, {'a', 0x04}, {'a', 0x09}, {'a', 0x0B}, {'a', kExpands}, {'c', 0x28},
    {'e', 0x01}, {'e', 0x02}, {'e', 0x03}, {'e', 0x09}, {'i', 0x01}, {'i', 0x02}, {'i', 0x03}, {'i', 0x09},
    {'d', 0x60}, {'n', 0x04}, {'o', 0x01}, {'o', 0x02}, {'o', 0x03}, {'o', 0x04}, {'o', 0x09}, {'\0', 0x00},
    {'o', 0x61}, {'u', 0x01}, {'u', 0x02}, {'u', 0x03}, {'u', 0x09}, {'y', 0x02}, {'{', 0x00}, {'y', 0x09},
    {'a', 0x05}, {'a', 0x05}, {'a', 0x07}, {'a', 0x07}, {'a', 0x29}, {'a', 0x29}, {'c', 0x02}, {'c', 0x02},
    {'c', 0x03}, {'c', 0x03}, {'c', 0x08}, {'c', 0x08}, {'c', 0x0D}, {'c', 0x0D}, {'d', 0x0D}, {'d', 0x0D},
    {'d', 0x62}, {'d', 0x62}, {'e', 0x05}, {'e', 0x05}, {'e', 0x07}, {'e', 0x07}, {'e', 0x08}, {'e', 0x08},
    {'e', 0x29}, {'e', 0x29}, {'e', 0x0D}, {'e', 0x0D}, {'g', 0x03}, {'g', 0x03}, {'g', 0x07}, {'g', 0x07},
    {'g', 0x08}, {'g', 0x08}, {'g', 0x28}, {'g', 0x28}, {'h', 0x03}, {'h', 0x03}, {'h', 0x62}, {'h', 0x62},
    {'i', 0x04}, {'i', 0x04}, {'i', 0x05}, {'i', 0x05}, {'i', 0x07}, {'i', 0x07}, {'i', 0x29}, {'i', 0x29},
    {'i', 0x08}, {'i', 0x63}, {'i', kExpands}, {'i', kExpands}, {'j', 0x03}, {'j', 0x03}, {'k', 0x28}, {'k', 0x28},
    {'k', 0x64}, {'l', 0x02}, {'l', 0x02}, {'l', 0x28}, {'l', 0x28}, {'l', 0x0D}, {'l', 0x0D}, {'l', 0x64},
    {'l', 0x64}, {'l', 0x62}, {'l', 0x62}, {'n', 0x02}, {'n', 0x02}, {'n', 0x28}, {'n', 0x28}, {'n', 0x0D},
    {'n', 0x0D}, {'n', 0x64}, {'n', 0x65}, {'n', 0x65}, {'o', 0x05}, {'o', 0x05}, {'o', 0x07}, {'o', 0x07},
    {'o', 0x0C}, {'o', 0x0C}, {'o', kExpands}, {'o', kExpands}, {'r', 0x02}, {'r', 0x02}, {'r', 0x28}, {'r', 0x28},
    {'r', 0x0D}, {'r', 0x0D}, {'s', 0x02}, {'s', 0x02}, {'s', 0x03}, {'s', 0x03}, {'s', 0x28}, {'s', 0x28},
    {'s', 0x0D}, {'s', 0x0D}, {'t', 0x28}, {'t', 0x28}, {'t', 0x0D}, {'t', 0x0D}, {'t', 0x62}, {'t', 0x62},
    {'u', 0x04}, {'u', 0x04}, {'u', 0x05}, {'u', 0x05}, {'u', 0x07}, {'u', 0x07}, {'u', 0x0B}, {'u', 0x0B},
    {'u', 0x0C}, {'u', 0x0C}, {'u', 0x29}, {'u', 0x29}, {'w', 0x03}, {'w', 0x03}, {'y', 0x03}, {'y', 0x03},
    {'y', 0x09}, {'z', 0x02}, {'z', 0x02}, {'z', 0x08}, {'z', 0x08}, {'z', 0x0D}, {'z', 0x0D}, {'s', 0x64},
};

// The second letter of a ligature whose first letter the table gives.
char LigatureSecond(char32_t c) {
    switch (c) {
    case 0xC6: case 0xE6: case 0x152: case 0x153: return 'e';
    case 0xDF: return 's';
    default: return 'j';  // U+0132, U+0133
    }
}

// Cyrillic letters in alphabetical order (lower case).
constexpr char16_t kCyrillicOrder[] = u"абвгґѓдђеєжзѕиіїйјкќлљмнњопрстћуўфхцчџшщъыьэюя";

struct Element {
    uint32_t primary;
    uint8_t accent;
    uint8_t upper;
};

struct CharWeights {
    bool tieBreakOnly = false;  // hyphen or apostrophe in word sort
    bool symbol = false;
    int count = 1;
    Element elements[2]{};
};

CharWeights Letter(uint32_t primary, uint8_t accent, bool upper) {
    CharWeights w;
    w.elements[0] = {primary, accent, static_cast<uint8_t>(upper)};
    return w;
}

uint32_t LatinPrimary(char base) { return kLetterBase + static_cast<uint32_t>(base - 'a'); }

CharWeights LatinWeights(char32_t c, bool upper) {
    if (c < 0x80) return Letter(LatinPrimary(static_cast<char>(SimpleLower(c))), kAccentNone, upper);
    LatinLetter letter = kLatin[c - 0xC0];
    if (letter.accent != kExpands) return Letter(LatinPrimary(letter.base), letter.accent, upper);
    CharWeights w = Letter(LatinPrimary(letter.base), kLigature, upper);
    w.count = 2;
    w.elements[1] = {LatinPrimary(LigatureSecond(c)), kLigature, static_cast<uint8_t>(upper)};
    return w;
}

CharWeights GreekWeights(char32_t c, bool upper) {
    char32_t base = SimpleLower(c);
    uint8_t accent = kAccentNone;
    switch (base) {
    case 0x3AC: base = 0x3B1; accent = kAccentGreekTonos; break;
    case 0x3AD: base = 0x3B5; accent = kAccentGreekTonos; break;
    case 0x3AE: base = 0x3B7; accent = kAccentGreekTonos; break;
    case 0x3AF: base = 0x3B9; accent = kAccentGreekTonos; break;
    case 0x3CC: base = 0x3BF; accent = kAccentGreekTonos; break;
    case 0x3CD: base = 0x3C5; accent = kAccentGreekTonos; break;
    case 0x3CE: base = 0x3C9; accent = kAccentGreekTonos; break;
    case 0x3CA: base = 0x3B9; accent = kAccentDiaeresis; break;
    case 0x3CB: base = 0x3C5; accent = kAccentDiaeresis; break;
    case 0x390: base = 0x3B9; accent = kAccentDiaeresisTonos; break;
    case 0x3B0: base = 0x3C5; accent = kAccentDiaeresisTonos; break;
    case 0x3C2: base = 0x3C3; accent = kAccentFinalForm; break;
    default: break;
    }
    return Letter(kGreekBase + (base - 0x3B1), accent, upper);
}

CharWeights CyrillicWeights(char32_t c, bool upper) {
    char32_t base = SimpleLower(c);
    uint8_t accent = kAccentNone;
    if (base == 0x451) base = 0x435, accent = kAccentDiaeresis;  // io sorts with ie
    if (base == 0x450) base = 0x435, accent = 0x01;              // ie with grave
    if (base == 0x45D) base = 0x438, accent = 0x01;              // i with grave
    std::u16string_view order(kCyrillicOrder);
    size_t position = order.find(static_cast<char16_t>(base));
    return Letter(kCyrillicBase + static_cast<uint32_t>(position), accent, upper);
}

CharWeights Weights(char32_t c, uint32_t flags) {
    bool upper = SimpleLower(c) != c;
    if ((c == '-' || c == '\'') && !(flags & SORT_STRINGSORT)) {
        CharWeights w;
        w.tieBreakOnly = true;
        w.count = 0;
        return w;
    }
    if (c >= '0' && c <= '9') return Letter(kDigitBase + (c - '0'), kAccentNone, false);
    if (c == 0xB9) return Letter(kDigitBase + 1, kAccentSuperscript, false);
    if (c == 0xB2 || c == 0xB3) return Letter(kDigitBase + (c - 0xB0), kAccentSuperscript, false);
    if (c < 0x80 && IsLetter(c)) return LatinWeights(c, upper);
    if (c >= 0xC0 && c <= 0x17F && kLatin[c - 0xC0].base != 0) return LatinWeights(c, upper);
    switch (c) {
    case 0xAA: return Letter(LatinPrimary('a'), kAccentSuperscript, false);
    case 0xBA: return Letter(LatinPrimary('o'), kAccentSuperscript, false);
    case 0x207F: return Letter(LatinPrimary('n'), kAccentSuperscript, false);
    case 0x191: case 0x192: return Letter(LatinPrimary('f'), kAccentVariant, upper);
    case 0xB5: return Letter(kGreekBase + (0x3BC - 0x3B1), kAccentSuperscript, false);
    default: break;
    }
    if (c >= 0x386 && c <= 0x3CE && IsLetter(c)) return GreekWeights(c, upper);
    if ((c >= 0x400 && c <= 0x45F) || c == 0x490 || c == 0x491) return CyrillicWeights(c, upper);
    CharWeights w = Letter(static_cast<uint32_t>(c), kAccentNone, false);
    w.symbol = true;
    return w;
}

struct SortKey {
    std::vector<Element> elements;
    // Hyphens and apostrophes: (number of elements before it, code point).
    std::vector<std::pair<size_t, char32_t>> tieBreaks;
};

SortKey MakeSortKey(const Page& page, std::string_view text, uint32_t flags) {
    SortKey key;
    for (char b : text) {
        char32_t c = page.toUnicode[static_cast<uint8_t>(b)];
        CharWeights w = Weights(c, flags);
        if ((w.symbol || w.tieBreakOnly) && (flags & NORM_IGNORESYMBOLS)) continue;
        if (w.tieBreakOnly) key.tieBreaks.emplace_back(key.elements.size(), c);
        for (int k = 0; k < w.count; ++k) key.elements.push_back(w.elements[k]);
    }
    return key;
}

template <typename Field>
int CompareLevel(const SortKey& a, const SortKey& b, Field field) {
    size_t n = std::min(a.elements.size(), b.elements.size());
    for (size_t i = 0; i < n; ++i) {
        auto x = field(a.elements[i]);
        auto y = field(b.elements[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.elements.size() != b.elements.size()) return a.elements.size() < b.elements.size() ? -1 : 1;
    return 0;
}

int CompareKeys(const SortKey& a, const SortKey& b, uint32_t flags) {
    if (int r = CompareLevel(a, b, [](const Element& e) { return e.primary; })) return r;
    if (!(flags & NORM_IGNORENONSPACE))
        if (int r = CompareLevel(a, b, [](const Element& e) { return e.accent; })) return r;
    if (!(flags & NORM_IGNORECASE))
        if (int r = CompareLevel(a, b, [](const Element& e) { return e.upper; })) return r;
    if (a.tieBreaks == b.tieBreaks) return 0;
    return a.tieBreaks < b.tieBreaks ? -1 : 1;
}

// Strings of ASCII characters other than the hyphen and the apostrophe
// have one sort element per character, none with an accent, and no
// tie-breaks: they are compared in place, level by level, without keys.
// Names and file names are mostly such strings.
bool ComparesInPlace(const Page& page, std::string_view text) {
    for (char b : text) {
        const char32_t c = page.toUnicode[static_cast<uint8_t>(b)];
        if (c >= 0x80 || c == '-' || c == '\'') return false;
    }
    return true;
}

int CompareInPlace(const Page& page, std::string_view a, std::string_view b, uint32_t flags) {
    const auto element = [&](char byte) { return Weights(page.toUnicode[static_cast<uint8_t>(byte)], flags).elements[0]; };
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const uint32_t x = element(a[i]).primary, y = element(b[i]).primary;
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    if (flags & NORM_IGNORECASE) return 0;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t x = element(a[i]).upper, y = element(b[i]).upper;
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

constexpr uint32_t kKnownCompareFlags = NORM_IGNORECASE | NORM_IGNORENONSPACE | NORM_IGNORESYMBOLS | SORT_STRINGSORT;

}  // namespace

uint32_t GetACP() { return g_acp.load(); }

void SetACP(uint32_t codePage) {
    if (codePage == CP_ACP || !FindPage(codePage))
        throw std::invalid_argument("unsupported ANSI code page " + std::to_string(codePage));
    g_acp.store(codePage);
}

bool IsValidCodePage(uint32_t codePage) { return codePage == CP_UTF8 || FindPage(codePage) != nullptr; }

std::u16string MultiByteToWideChar(uint32_t codePage, std::string_view bytes) {
    std::u16string out;
    if (!DecodeBytes(codePage, bytes, [&](char32_t c) { AppendUtf16(out, c); })) SetLastError(ERROR_INVALID_PARAMETER);
    return out;
}

std::string WideCharToMultiByte(uint32_t codePage, std::u16string_view text, bool* usedDefaultChar) {
    bool usedDefault = false;
    std::string out;
    const Page* page = nullptr;
    if (!EncodingTarget(codePage, page)) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else {
        for (size_t i = 0; i < text.size();) EncodeCodePoint(page, NextUtf16(text, i), out, usedDefault);
    }
    Report(usedDefaultChar, usedDefault);
    return out;
}

std::string AnsiToUtf8(std::string_view bytes, uint32_t codePage) {
    std::string out;
    if (!DecodeBytes(codePage, bytes, [&](char32_t c) { AppendUtf8(out, c); })) SetLastError(ERROR_INVALID_PARAMETER);
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8, uint32_t codePage, bool* usedDefaultChar) {
    bool usedDefault = false;
    std::string out;
    const Page* page = nullptr;
    if (!EncodingTarget(codePage, page)) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else {
        for (size_t i = 0; i < utf8.size();) EncodeCodePoint(page, NextUtf8(utf8, i), out, usedDefault);
    }
    Report(usedDefaultChar, usedDefault);
    return out;
}

char CharUpper(char c) { return static_cast<char>(AnsiPage().upper[static_cast<uint8_t>(c)]); }
char CharLower(char c) { return static_cast<char>(AnsiPage().lower[static_cast<uint8_t>(c)]); }

uint32_t CharUpperBuff(std::string& text, uint32_t length) {
    const Page& page = AnsiPage();
    uint32_t n = static_cast<uint32_t>(std::min<size_t>(length, text.size()));
    for (uint32_t i = 0; i < n; ++i) text[i] = static_cast<char>(page.upper[static_cast<uint8_t>(text[i])]);
    return n;
}

uint32_t CharLowerBuff(std::string& text, uint32_t length) {
    const Page& page = AnsiPage();
    uint32_t n = static_cast<uint32_t>(std::min<size_t>(length, text.size()));
    for (uint32_t i = 0; i < n; ++i) text[i] = static_cast<char>(page.lower[static_cast<uint8_t>(text[i])]);
    return n;
}

std::string CharUpper(std::string text) {
    CharUpperBuff(text, static_cast<uint32_t>(text.size()));
    return text;
}

std::string CharLower(std::string text) {
    CharLowerBuff(text, static_cast<uint32_t>(text.size()));
    return text;
}

bool IsCharAlpha(char c) { return AnsiPage().classes[static_cast<uint8_t>(c)] & kAlpha; }
bool IsCharAlphaNumeric(char c) { return IsCharAlpha(c) || (c >= '0' && c <= '9'); }
bool IsCharUpper(char c) { return AnsiPage().classes[static_cast<uint8_t>(c)] & kUpper; }
bool IsCharLower(char c) { return AnsiPage().classes[static_cast<uint8_t>(c)] & kLower; }

int CompareString(uint32_t /*locale*/, uint32_t flags, std::string_view a, std::string_view b) {
    if (flags & ~kKnownCompareFlags) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const Page& page = AnsiPage();
    const bool inPlace = !(flags & NORM_IGNORESYMBOLS) && ComparesInPlace(page, a) && ComparesInPlace(page, b);
    const int r = inPlace ? CompareInPlace(page, a, b, flags)
                          : CompareKeys(MakeSortKey(page, a, flags), MakeSortKey(page, b, flags), flags);
    return r < 0 ? CSTR_LESS_THAN : r > 0 ? CSTR_GREATER_THAN : CSTR_EQUAL;
}

int lstrcmp(std::string_view a, std::string_view b) { return CompareString(LOCALE_USER_DEFAULT, 0, a, b) - CSTR_EQUAL; }
int lstrcmpi(std::string_view a, std::string_view b) {
    return CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, b) - CSTR_EQUAL;
}

}  // namespace win32
