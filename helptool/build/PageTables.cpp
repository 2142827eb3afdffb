#include "build/PageTables.h"

#include <cctype>
#include <limits>
#include <string_view>

#include "build/RtfText.h"
#include "vcl/classes/strings.h"

const std::string kBlackColorEntry = "\\red0\\green0\\blue0;";

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

bool FindTableLine(const TStringList& lines, std::string_view tableWord, std::string_view& rest) {
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string_view line = lines.StringAt(i);
        const size_t at = FindIgnoringCase(line, tableWord);
        if (at != std::string_view::npos) {
            rest = line.substr(at + tableWord.size());
            return true;
        }
    }
    return false;
}

std::vector<TPageFont> ParseFontTable(std::string_view table) {
    std::vector<TPageFont> fonts;
    size_t pos = 0;
    for (;;) {
        // The next font number word \fN.
        size_t word = table.find("\\f", pos);
        while (word != std::string_view::npos && !(word + 2 < table.size() && IsDigit(table[word + 2])))
            word = table.find("\\f", word + 1);
        if (word == std::string_view::npos) break;
        size_t digits = word + 2;
        int64_t number = 0;
        while (digits < table.size() && IsDigit(table[digits])) {
            if (number <= std::numeric_limits<int32_t>::max()) number = number * 10 + (table[digits] - '0');
            ++digits;
        }
        const size_t end = table.find(';', digits);
        if (end == std::string_view::npos) break;
        if (number <= std::numeric_limits<int32_t>::max())
            fonts.push_back({static_cast<int32_t>(number), std::string(table.substr(digits, end - digits)) + ";}"});
        pos = end + 1;
        // ";}" followed by "}" closes the table.
        if (pos < table.size() && table[pos] == '}' && (pos + 1 >= table.size() || table[pos + 1] == '}')) break;
    }
    return fonts;
}

std::vector<std::string> ParseColorTable(std::string_view table) {
    std::vector<std::string> colors;
    size_t pos = 0;
    for (;;) {
        const size_t end = table.find(';', pos);
        const size_t close = table.find('}', pos);
        if (end == std::string_view::npos || (close != std::string_view::npos && close < end)) break;
        const size_t words = table.find('\\', pos);
        if (words != std::string_view::npos && words < end)
            colors.push_back(std::string(table.substr(words, end - words)) + ";");
        else
            colors.push_back(kBlackColorEntry);  // the automatic colour
        pos = end + 1;
        if (pos < table.size() && table[pos] == '}') break;
    }
    return colors;
}
