#include "build/PageTables.h"

#include <cctype>
#include <limits>
#include <utility>

#include "build/RtfText.h"
#include "vcl/classes/strings.h"

const std::string kBlackColorEntry = "\\red0\\green0\\blue0;";

namespace {

// The rest of the first line holding `tableWord` (ignoring case), after
// the word; false when no line holds it.
bool FindTableLine(const TStrings& lines, const std::string& tableWord, std::string& rest) {
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = lines.Strings(i);
        const size_t at = FindIgnoringCase(line, tableWord);
        if (at != std::string::npos) {
            line.erase(0, at + tableWord.size());
            rest = std::move(line);
            return true;
        }
    }
    return false;
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::vector<TPageFont> ExtractFontTable(const TStrings& lines) {
    std::vector<TPageFont> fonts;
    std::string table;
    if (!FindTableLine(lines, "FONTTBL", table)) return fonts;
    size_t pos = 0;
    for (;;) {
        // The next font number word \fN.
        size_t word = table.find("\\f", pos);
        while (word != std::string::npos && !(word + 2 < table.size() && IsDigit(table[word + 2])))
            word = table.find("\\f", word + 1);
        if (word == std::string::npos) break;
        size_t digits = word + 2;
        int64_t number = 0;
        while (digits < table.size() && IsDigit(table[digits])) {
            if (number <= std::numeric_limits<int32_t>::max()) number = number * 10 + (table[digits] - '0');
            ++digits;
        }
        const size_t end = table.find(';', digits);
        if (end == std::string::npos) break;
        if (number <= std::numeric_limits<int32_t>::max())
            fonts.push_back({static_cast<int32_t>(number), table.substr(digits, end - digits) + ";}"});
        pos = end + 1;
        // ";}" followed by "}" closes the table.
        if (pos < table.size() && table[pos] == '}' && (pos + 1 >= table.size() || table[pos + 1] == '}')) break;
    }
    return fonts;
}

const std::string* FindPageFont(const std::vector<TPageFont>& fonts, int64_t number) {
    for (const TPageFont& font : fonts)
        if (font.Number == number) return &font.Description;
    return nullptr;
}

std::vector<std::string> ExtractColorTable(const TStrings& lines) {
    std::vector<std::string> colors;
    std::string table;
    if (!FindTableLine(lines, "COLORTBL", table)) return colors;
    size_t pos = 0;
    for (;;) {
        const size_t end = table.find(';', pos);
        const size_t close = table.find('}', pos);
        if (end == std::string::npos || (close != std::string::npos && close < end)) break;
        const size_t words = table.find('\\', pos);
        if (words != std::string::npos && words < end)
            colors.push_back(table.substr(words, end - words) + ";");
        else
            colors.push_back(kBlackColorEntry);  // the automatic colour
        pos = end + 1;
        if (pos < table.size() && table[pos] == '}') break;
    }
    return colors;
}
