#include "win32/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/errors.h"

using namespace win32;

namespace {

struct HostPage {
    uint32_t codePage;
    const char* iconvName;
};

constexpr HostPage kPages[] = {
    {1252, "CP1252"}, {1250, "CP1250"}, {1251, "CP1251"}, {1253, "CP1253"}, {1254, "CP1254"},
    {1257, "CP1257"}, {28591, "ISO-8859-1"}, {437, "IBM437"}, {850, "IBM850"},
};

// The host's UTF-8 for one byte of a page, or nothing when the host calls
// the byte undefined.
std::optional<std::string> HostUtf8(const char* iconvName, unsigned char byte) {
    iconv_t cd = iconv_open("UTF-8", iconvName);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("no iconv for ") + iconvName);
    char in[1] = {static_cast<char>(byte)};
    char out[8];
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1, outLeft = sizeof out;
    size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) return std::nullopt;
    return std::string(out, outPtr);
}

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

// Restores the machine's ANSI code page after each test.
class CodePageTest : public ::testing::Test {
protected:
    void TearDown() override { SetACP(1252); }
};

}  // namespace

TEST(CodePageConversion, EveryByteMatchesTheHostAndRoundTrips) {
    for (const HostPage& page : kPages) {
        SCOPED_TRACE(page.codePage);
        for (int b = 0; b < 256; ++b) {
            SCOPED_TRACE(b);
            std::string utf8 = AnsiToUtf8(Byte(b), page.codePage);
            std::optional<std::string> host = HostUtf8(page.iconvName, static_cast<unsigned char>(b));
            if (host) {
                EXPECT_EQ(utf8, *host);
            } else {
                // Undefined bytes keep a reversible stand-in.
                std::u16string wide = MultiByteToWideChar(page.codePage, Byte(b));
                ASSERT_EQ(wide.size(), 1u);
                EXPECT_EQ(wide[0], b < 0xA0 ? char16_t(b) : char16_t(0xF700 + b));
            }
            bool lost = true;
            EXPECT_EQ(Utf8ToAnsi(utf8, page.codePage, &lost), Byte(b));
            EXPECT_FALSE(lost);
            EXPECT_EQ(WideCharToMultiByte(page.codePage, MultiByteToWideChar(page.codePage, Byte(b))), Byte(b));
        }
    }
}

TEST(CodePageConversion, UnmappableAndMalformedTextBecomesQuestionMarks) {
    struct Case {
        uint32_t codePage;
        std::string utf8;
        std::string ansi;
        bool lost;
    };
    const Case cases[] = {
        {1252, "caf\xC3\xA9", "caf\xE9", false},
        {1252, "\xE2\x82\xAC", "\x80", false},              // euro sign
        {28591, "\xE2\x82\xAC", "?", true},                 // no euro in Latin-1
        {1252, "\xCE\xA9mega", "?mega", true},               // Greek capital omega
        {1253, "\xCE\xA9mega", "\xD9mega", false},
        {1251, "\xD0\x96", "\xC6", false},                   // Cyrillic zhe
        {1252, "a\xF0\x9F\x98\x80z", "a?z", true},           // outside the BMP: one "?"
        {1252, "\xC3", "?", true},                           // truncated sequence
        {1252, "\xC0\xAF", "??", true},                      // overlong slash
        {1252, "\xED\xA0\x80", "???", true},                 // encoded surrogate
        {1252, "\xEF\xBF\xBD", "?", true},                   // the replacement character itself
        {437, "\xE2\x95\x94", "\xC9", false},                // box drawing
        {1252, std::string("a\0b", 3), std::string("a\0b", 3), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        bool lost = !c.lost;
        EXPECT_EQ(Utf8ToAnsi(c.utf8, c.codePage, &lost), c.ansi);
        EXPECT_EQ(lost, c.lost);
    }
}

TEST(CodePageConversion, Utf16FormsHandleSurrogates) {
    EXPECT_EQ(MultiByteToWideChar(1252, "\x80\x41"), u"\u20AC\u0041");
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, "\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, u"\U0001F600\u00E9"), "\xF0\x9F\x98\x80\xC3\xA9");
    bool lost = false;
    EXPECT_EQ(WideCharToMultiByte(1252, u"\U0001F600", &lost), "?");
    EXPECT_TRUE(lost);
    std::u16string loneSurrogate = {u'a', char16_t(0xD800), u'b'};
    EXPECT_EQ(WideCharToMultiByte(1252, loneSurrogate), "a?b");
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, loneSurrogate), "a\xEF\xBF\xBD" "b");
}

TEST_F(CodePageTest, AnsiCodePageIsTheDefaultForConversions) {
    EXPECT_EQ(GetACP(), 1252u);
    EXPECT_EQ(AnsiToUtf8("\xC0"), "\xC3\x80");
    SetACP(1251);
    EXPECT_EQ(GetACP(), 1251u);
    EXPECT_EQ(AnsiToUtf8("\xC0"), "\xD0\x90");
    EXPECT_EQ(Utf8ToAnsi("\xD0\x90"), "\xC0");
    EXPECT_EQ(AnsiToUtf8("\xC0", 1252), "\xC3\x80");
}

TEST_F(CodePageTest, UnsupportedCodePagesAreRefused) {
    EXPECT_TRUE(IsValidCodePage(CP_ACP));
    EXPECT_TRUE(IsValidCodePage(CP_UTF8));
    EXPECT_TRUE(IsValidCodePage(850));
    EXPECT_FALSE(IsValidCodePage(1255));
    EXPECT_FALSE(IsValidCodePage(932));

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(MultiByteToWideChar(1255, "abc"), u"");
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(Utf8ToAnsi("abc", 932), "");
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

    EXPECT_THROW(SetACP(1255), std::invalid_argument);
    EXPECT_THROW(SetACP(CP_UTF8), std::invalid_argument);
    EXPECT_THROW(SetACP(CP_ACP), std::invalid_argument);
    EXPECT_EQ(GetACP(), 1252u);
}

TEST_F(CodePageTest, CaseMappingPerCodePage) {
    struct Case {
        uint32_t codePage;
        int lower;
        int upper;
    };
    const Case pairs[] = {
        {1252, 'a', 'A'}, {1252, 0xE9, 0xC9}, {1252, 0xFF, 0x9F}, {1252, 0x9A, 0x8A}, {1252, 0x9C, 0x8C},
        {1251, 0xE0, 0xC0}, {1251, 0xB8, 0xA8}, {1251, 0xB4, 0xA5}, {1250, 0xB9, 0xA5}, {1250, 0xB3, 0xA3},
        {1253, 0xE1, 0xC1}, {1253, 0xDC, 0xA2}, {1257, 0xE8, 0xC8}, {437, 0x82, 0x90}, {437, 0x87, 0x80},
        {437, 0xE5, 0xE4}, {850, 0xA0, 0xB5}, {28591, 0xFE, 0xDE},
    };
    for (const Case& c : pairs) {
        SCOPED_TRACE(testing::Message() << c.codePage << " " << c.lower);
        SetACP(c.codePage);
        EXPECT_EQ(CharUpper(static_cast<char>(c.lower)), static_cast<char>(c.upper));
        EXPECT_EQ(CharLower(static_cast<char>(c.upper)), static_cast<char>(c.lower));
        EXPECT_TRUE(IsCharLower(static_cast<char>(c.lower)));
        EXPECT_TRUE(IsCharUpper(static_cast<char>(c.upper)));
    }

    const Case unchanged[] = {{1252, 0xDF, 0xDF}, {1252, 0xB5, 0xB5}, {28591, 0xFF, 0xFF}, {1252, '1', '1'}};
    for (const Case& c : unchanged) {
        SetACP(c.codePage);
        EXPECT_EQ(CharUpper(static_cast<char>(c.lower)), static_cast<char>(c.upper));
    }

    SetACP(1254);  // default casing, not the Turkish one
    EXPECT_EQ(CharUpper('\xFD'), 'I');
    EXPECT_EQ(CharLower('\xDD'), 'i');
    EXPECT_EQ(CharUpper('i'), 'I');
}

TEST_F(CodePageTest, CaseMappingAgreesWithTheHostsUnicodeTables) {
    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
    for (const HostPage& page : kPages) {
        SCOPED_TRACE(page.codePage);
        SetACP(page.codePage);
        for (int b = 0; b < 256; ++b) {
            std::u16string wide = MultiByteToWideChar(page.codePage, Byte(b));
            wchar_t c = wide[0];
            if (c == 0xB5 || c == 0x17F) continue;  // micro sign, long s: deliberately left alone
            SCOPED_TRACE(b);
            bool lost = false;
            std::string up = WideCharToMultiByte(page.codePage, std::u16string(1, char16_t(std::towupper(c))), &lost);
            EXPECT_EQ(CharUpper(Byte(b)), lost ? Byte(b) : up);
            std::string low = WideCharToMultiByte(page.codePage, std::u16string(1, char16_t(std::towlower(c))), &lost);
            EXPECT_EQ(CharLower(Byte(b)), lost ? Byte(b) : low);
            EXPECT_EQ(IsCharAlpha(static_cast<char>(b)), std::iswalpha(c) != 0);
        }
    }
    std::setlocale(LC_CTYPE, "C");
}

TEST_F(CodePageTest, CharacterClasses) {
    EXPECT_TRUE(IsCharAlpha('a'));
    EXPECT_TRUE(IsCharAlpha('\xE9'));
    EXPECT_FALSE(IsCharAlpha('\xD7'));  // multiplication sign
    EXPECT_FALSE(IsCharAlpha('1'));
    EXPECT_FALSE(IsCharAlpha('-'));
    EXPECT_TRUE(IsCharAlphaNumeric('1'));
    EXPECT_TRUE(IsCharAlphaNumeric('Z'));
    EXPECT_FALSE(IsCharAlphaNumeric(' '));
    EXPECT_TRUE(IsCharLower('\xDF'));
    EXPECT_FALSE(IsCharUpper('\xDF'));
    EXPECT_FALSE(IsCharUpper('1'));
    EXPECT_FALSE(IsCharLower('1'));
}

TEST_F(CodePageTest, StringCaseMappingAndBuffers) {
    EXPECT_EQ(CharUpper(std::string("Stra\xDF" "e caf\xE9")), "STRA\xDF" "E CAF\xC9");
    EXPECT_EQ(CharLower(std::string("\xC0 LA CARTE")), "\xE0 la carte");
    std::string text = "abcdef";
    EXPECT_EQ(CharUpperBuff(text, 3), 3u);
    EXPECT_EQ(text, "ABCdef");
    EXPECT_EQ(CharLowerBuff(text, 100), 6u);
    EXPECT_EQ(text, "abcdef");
}

TEST_F(CodePageTest, WordSortOrdering) {
    // Each list is in ascending order, without and with NORM_IGNORECASE
    // unless the pair differs only in case.
    const std::vector<std::vector<std::string>> orders = {
        {"a", "B", "c"},
        {"a", "A", "b"},
        {"ab", "aB", "Ab", "AB", "abc"},  // case decides only between equal letters
        {"coop", "co-op", "cop"},
        {"its", "it's", "itself"},
        {" ", "!", "_", "~", "0", "9", "a", "z"},
        {"1", "10", "2"},
        {"e", "\xE9", "f"},  // e acute sorts with e
        {"resume", "r\xE9sum\xE9", "resumes"},
        {"ad", "ae", "\xE6", "af"},
        {"ss", "\xDF", "st"},
        {"z", "\xFE"},  // thorn after z
        {"\xC0" "propos", "Zebra"},
    };
    for (const auto& order : orders) {
        for (size_t i = 0; i + 1 < order.size(); ++i) {
            SCOPED_TRACE(order[i] + " < " + order[i + 1]);
            EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, order[i], order[i + 1]), CSTR_LESS_THAN);
            EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, order[i + 1], order[i]), CSTR_GREATER_THAN);
            EXPECT_LT(lstrcmp(order[i], order[i + 1]), 0);
        }
    }
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "ABC", "abc"), CSTR_EQUAL);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "Page One", "page one"), CSTR_EQUAL);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "\xC9t\xE9", "\xE9T\xC9"), CSTR_EQUAL);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "a", "B"), CSTR_LESS_THAN);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "coop", "CO-OP"), CSTR_LESS_THAN);
    EXPECT_EQ(lstrcmpi("Readme.TXT", "README.txt"), 0);
    EXPECT_GT(lstrcmpi("e\xE9", "EE"), 0);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, "", ""), CSTR_EQUAL);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, "", "-"), CSTR_LESS_THAN);
}

TEST_F(CodePageTest, ComparisonFlags) {
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, NORM_IGNORENONSPACE, "resume", "r\xE9sum\xE9"), CSTR_EQUAL);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, NORM_IGNORESYMBOLS, "co-op!", "coop"), CSTR_EQUAL);
    // String sort: the hyphen is a symbol and sorts before the letters.
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, SORT_STRINGSORT, "co-op", "coop"), CSTR_LESS_THAN);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, SORT_STRINGSORT, "co-op", "coa"), CSTR_LESS_THAN);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0x40000000, "a", "a"), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(CodePageTest, CyrillicAndGreekOrdering) {
    SetACP(1251);
    // a, be, ie, io, zhe: io sorts with ie
    const std::vector<std::string> cyrillic = {"\xE0", "\xE1", "\xE5", "\xB8", "\xE5\xE1", "\xE6", "\xFF"};
    for (size_t i = 0; i + 1 < cyrillic.size(); ++i)
        EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, cyrillic[i], cyrillic[i + 1]), CSTR_LESS_THAN) << i;
    EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, "z", "\xE0"), CSTR_LESS_THAN);  // Latin before Cyrillic
    SetACP(1253);
    // alpha, alpha with tonos, beta, final sigma with sigma, omega
    const std::vector<std::string> greek = {"\xE1", "\xDC", "\xE2", "\xF3", "\xF2", "\xF9"};
    for (size_t i = 0; i + 1 < greek.size(); ++i)
        EXPECT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, greek[i], greek[i + 1]), CSTR_LESS_THAN) << i;
}

TEST_F(CodePageTest, DistinctCharactersNeverCompareEqual) {
    for (const HostPage& page : kPages) {
        SCOPED_TRACE(page.codePage);
        SetACP(page.codePage);
        for (int a = 0; a < 256; ++a) {
            for (int b = a + 1; b < 256; ++b) {
                std::string x = Byte(a), y = Byte(b);
                int r = CompareString(LOCALE_USER_DEFAULT, 0, x, y);
                ASSERT_NE(r, CSTR_EQUAL) << a << " " << b;
                ASSERT_EQ(CompareString(LOCALE_USER_DEFAULT, 0, y, x), 4 - r) << a << " " << b;
                if (CompareString(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x, y) == CSTR_EQUAL) {
                    ASSERT_TRUE(CharUpper(x) == CharUpper(y) || CharLower(x) == CharLower(y)) << a << " " << b;
                }
            }
        }
    }
}
